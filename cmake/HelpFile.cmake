# The help file tav.hlp: copied next to the program at build time, so that the program finds it
# when run from the build tree, and installed into <datadir>/tavrin.
set(TAVRIN_HELP_SOURCE ${PROJECT_SOURCE_DIR}/data/tav.hlp)
install(FILES ${TAVRIN_HELP_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tavrin)

if(TARGET tavrin)
  set(TAVRIN_HELP_BUILD_COPY ${PROJECT_BINARY_DIR}/tav.hlp)
  add_custom_command(OUTPUT ${TAVRIN_HELP_BUILD_COPY}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TAVRIN_HELP_SOURCE} ${TAVRIN_HELP_BUILD_COPY}
    DEPENDS ${TAVRIN_HELP_SOURCE}
    COMMENT "Copying the help file next to the program")
  add_custom_target(tavrin_help_file ALL DEPENDS ${TAVRIN_HELP_BUILD_COPY})
  add_dependencies(tavrin tavrin_help_file)

  # The viewer looks next to the program, then in the data directory: relative to the program
  # (wherever the tree was installed or packaged), then where this prefix installs it.
  file(RELATIVE_PATH TAVRIN_HELP_RELATIVE_DIR ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_FULL_DATADIR}/tavrin)
  target_compile_definitions(tavrin_platform PRIVATE
    TAVRIN_HELP_RELATIVE_DIR="${TAVRIN_HELP_RELATIVE_DIR}"
    TAVRIN_HELP_INSTALL_DIR="${CMAKE_INSTALL_FULL_DATADIR}/tavrin")
endif()

if(TARGET tavrin_gui_tests)
  # The help tests read the copy that the build put next to the program.
  add_dependencies(tavrin_gui_tests tavrin_help_file)
  target_compile_definitions(tavrin_gui_tests PRIVATE TAVRIN_PROGRAM_DIR="${PROJECT_BINARY_DIR}")
endif()
