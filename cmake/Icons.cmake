# The program's icon in the hicolor theme: the SVG drawing as the scalable icon, and PNG
# renderings of it at the theme's fixed sizes for menus, panels and docks that do not draw SVG.
# The PNGs are rendered at build time from the one drawing, so they never drift from it.
if(NOT TARGET tavrin)
  return()
endif()

find_program(TAVRIN_RSVG_CONVERT rsvg-convert REQUIRED)
set(TAVRIN_ICON_SVG ${PROJECT_SOURCE_DIR}/data/tavrin.svg)
set(TAVRIN_ICON_SIZES 16 22 24 32 48 64 128 256)

set(TAVRIN_ICON_PNGS)
foreach(size IN LISTS TAVRIN_ICON_SIZES)
  set(png ${PROJECT_BINARY_DIR}/icons/tavrin-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${TAVRIN_RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
            ${TAVRIN_ICON_SVG}
    DEPENDS ${TAVRIN_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon")
  list(APPEND TAVRIN_ICON_PNGS ${png})
  install(FILES ${png} RENAME tavrin.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${TAVRIN_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

add_custom_target(tavrin_icons ALL DEPENDS ${TAVRIN_ICON_PNGS})
# Building the program alone is then enough to install or package it.
add_dependencies(tavrin tavrin_icons)
