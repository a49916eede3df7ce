# Installation into a normal prefix and the Debian package.
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake -G DEB -B build/package
# The program finds its data through <exe>/../share/orvanta.

include(GNUInstallDirs)

install(TARGETS orvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvanta)

set(ORVANTA_APP_ID org.orvanta.orvanta)
install(FILES dist/${ORVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${ORVANTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES dist/orvanta-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME orvanta.xml)
install(FILES dist/icons/orvanta.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# PNG icons rendered from the SVG at build time.
add_executable(orvanta_render_icon tools/render_icon.cpp)
target_link_libraries(orvanta_render_icon PRIVATE Qt6::Gui Qt6::Svg)
set(ORVANTA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_outputs)
foreach(size IN LISTS ORVANTA_ICON_SIZES)
  list(APPEND icon_outputs "${CMAKE_BINARY_DIR}/icons/${size}/orvanta.png")
  install(FILES "${CMAKE_BINARY_DIR}/icons/${size}/orvanta.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:orvanta_render_icon> "${PROJECT_SOURCE_DIR}/dist/icons/orvanta.svg"
          "${CMAKE_BINARY_DIR}/icons" ${ORVANTA_ICON_SIZES}
  DEPENDS orvanta_render_icon "${PROJECT_SOURCE_DIR}/dist/icons/orvanta.svg"
  COMMENT "Rendering the program icon")
add_custom_target(orvanta_icons ALL DEPENDS ${icon_outputs})

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "ORVANTA")
set(CPACK_PACKAGE_CONTACT "ORVANTA developers <orvanta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Humid-air chart and HVAC design calculators")
set(CPACK_PACKAGE_DESCRIPTION
  "ORVANTA draws the chart of humid air (Mollier or Carrier layout, SI or inch-pound units),\nthe air-treatment processes between air states with their heat and moisture loads,\nand offers duct pressure-loss, air-handling-unit, pool-hall and energy calculators.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the program links: the offscreen and X11 platform
# plugins, the SVG image plugin and the fonts the chart uses.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
include(CPack)
