# The documents a Debian system expects beside the program: the manual page in <mandir>/man1, and
# in /usr/share/doc/tavrin the copyright file in Debian's machine-readable form and the changelog;
# the page and the changelog compressed. Compression is gzip -9n: the smallest file, and no name
# or time stamp in it, so that the same sources make the same package.
if(NOT TARGET tavrin)
  return()
endif()

find_program(TAVRIN_GZIP gzip REQUIRED)
set(TAVRIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tavrin)

# Makes <build>/doc/<name>.gz from source at build time and adds it to the target tavrin_docs.
function(tavrin_gzip source name)
  set(copy ${PROJECT_BINARY_DIR}/doc/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${TAVRIN_GZIP} -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  set_property(GLOBAL APPEND PROPERTY TAVRIN_DOCS ${copy}.gz)
endfunction()

# The manual page.
set(TAVRIN_MANUAL ${PROJECT_SOURCE_DIR}/data/tavrin.1)
tavrin_gzip(${TAVRIN_MANUAL} tavrin.1)
install(FILES ${PROJECT_BINARY_DIR}/doc/tavrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file: the holder and the terms are taken from LICENSE, so the two never differ.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE TAVRIN_LICENSE)
if(NOT TAVRIN_LICENSE MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.+[^\n])\n*$")
  message(FATAL_ERROR "LICENSE has no line \"Copyright (c) <year> <holder>\" before its terms")
endif()
set(TAVRIN_COPYRIGHT "${CMAKE_MATCH_1}")
# The terms as a field's continuation lines: one space before each line, a blank line as " .".
string(REPLACE "\n\n" "\n.\n" TAVRIN_LICENSE_TERMS "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " TAVRIN_LICENSE_TERMS " ${TAVRIN_LICENSE_TERMS}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
               ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright DESTINATION ${TAVRIN_DOC_DIR})

# The changelog, signed by the package's maintainer. Its latest entry must be this version.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog
               @ONLY)
file(STRINGS ${PROJECT_BINARY_DIR}/changelog TAVRIN_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT TAVRIN_CHANGELOG_TOP MATCHES "^tavrin \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "cmake/debian/changelog.in has no entry for version ${PROJECT_VERSION}")
endif()
# A package whose version has no Debian revision is native: its changelog is changelog.gz.
tavrin_gzip(${PROJECT_BINARY_DIR}/changelog changelog)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${TAVRIN_DOC_DIR})

get_property(TAVRIN_DOCS GLOBAL PROPERTY TAVRIN_DOCS)
add_custom_target(tavrin_docs ALL DEPENDS ${TAVRIN_DOCS})
# Building the program alone is then enough to install or package it.
add_dependencies(tavrin tavrin_docs)

# The manual page renders without a warning and names every option that --help prints.
add_test(NAME manual_page
  COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_manual.sh ${TAVRIN_MANUAL}
          $<TARGET_FILE:tavrin> ${PROJECT_VERSION})
