# What the install adds to the program (bin, see src/CMakeLists.txt), the help file
# (cmake/HelpFile.cmake), the icons (cmake/Icons.cmake) and the AppStream data
# (cmake/AppStream.cmake): the desktop entry. Then the Debian package: cpack -G DEB.
if(TARGET tavrin)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tavrin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # Installs the build tree into a scratch prefix, checks it and starts the installed program.
  add_test(NAME install_check
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_install.sh ${CMAKE_COMMAND}
                   ${PROJECT_BINARY_DIR} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR})
  set_tests_properties(install_check PROPERTIES TIMEOUT 120)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VENDOR "Brindlecote Software Development")
set(CPACK_PACKAGE_CONTACT "Tavrin maintainers <tavrin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tool for writing C++ classes")
set(CPACK_PACKAGE_DESCRIPTION "Tavrin creates the header and source skeleton of a C++ class and \
adds data members, member functions, operators and copy constructors to it through small dialogs. \
Each class is one window with its header above its source; classes are saved and opened as \
.h/.cpp pairs.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tavrin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The dependencies are the runtime packages of the libraries the program links (Qt).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
