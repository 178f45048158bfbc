# What the install adds to the program (bin, see src/CMakeLists.txt), the help file
# (cmake/HelpFile.cmake), the icons (cmake/Icons.cmake) and the AppStream data
# (cmake/AppStream.cmake), the manual page and Debian's documents (cmake/Documentation.cmake): the
# desktop entry. The Debian package is made in cmake/Package.cmake.
if(TARGET tavrin)
  install(FILES ${PROJECT_SOURCE_DIR}/data/tavrin.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  # Installs the build tree into a scratch prefix, checks it and starts the installed program.
  add_test(NAME install_check
           COMMAND ${PROJECT_SOURCE_DIR}/tests/install/check_install.sh ${CMAKE_COMMAND}
                   ${PROJECT_BINARY_DIR} ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR})
  set_tests_properties(install_check PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb)
endif()
