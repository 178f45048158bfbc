# The Debian package: cpack -G DEB (or the package target) in the build directory.

# The maintainer (TAVRIN_PACKAGE_MAINTAINER) is set in the top CMakeLists.txt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Brindlecote Software Development")
set(CPACK_PACKAGE_CONTACT "${TAVRIN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tool for writing C++ classes")
# The extended description: lines of at most 80 characters, which CPack indents for the control
# file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tavrin creates the header and source skeleton of a C++ class and adds data"
  "members, member functions, operators and copy constructors to it through small"
  "dialogs. Each class is one window with its header above its source; classes are"
  "saved and opened as .h/.cpp pairs.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavrin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRIN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The dependencies are the runtime packages of the libraries the program links (Qt).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

# Installing and removing the package refreshes the desktop's program list and icon cache.
set(TAVRIN_MAINTAINER_SCRIPTS)
foreach(script postinst postrm)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/refresh-desktop-caches
                 ${PROJECT_BINARY_DIR}/debian/${script} COPYONLY)
  list(APPEND TAVRIN_MAINTAINER_SCRIPTS ${PROJECT_BINARY_DIR}/debian/${script})
endforeach()
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${TAVRIN_MAINTAINER_SCRIPTS})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# A package made with the default maintainer names an address on this machine, which Debian's
# package checker calls bogus; such a package is never handed out, so it carries overrides that
# say so. A package with a maintainer of its own is made without them.
string(REGEX MATCH "[^<]+@localhost" TAVRIN_LOCAL_ADDRESS "${TAVRIN_PACKAGE_MAINTAINER}")
if(TAVRIN_LOCAL_ADDRESS AND TARGET tavrin)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/local-maintainer.lintian-overrides
                 ${PROJECT_BINARY_DIR}/debian/lintian-overrides @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/debian/lintian-overrides RENAME tavrin
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
endif()
include(CPack)

if(TARGET tavrin)
  # Builds the package into a scratch directory and checks its files and maintainer scripts.
  add_test(NAME package_check
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_package.sh ${CMAKE_CPACK_COMMAND}
                   ${PROJECT_BINARY_DIR}/CPackConfig.cmake)
  set_tests_properties(package_check PROPERTIES TIMEOUT 120)

  # Debian's package checker finds no error and no warning in it (where lintian is installed).
  add_test(NAME package_lintian
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_lintian.sh ${CMAKE_CPACK_COMMAND}
                   ${PROJECT_BINARY_DIR}/CPackConfig.cmake)
  set_tests_properties(package_lintian PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
