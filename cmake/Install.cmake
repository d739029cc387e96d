# What `cmake --install` puts in place and what `cpack -G DEB` packages.
include(GNUInstallDirs)

set(KESTRION_APP_ID "org.kestrion.Kestrion" CACHE STRING "Reverse-DNS application id")
set(KESTRION_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS kestrion-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Man pages and the package's changelog are installed compressed, as Debian wants.
find_program(GZIP gzip REQUIRED)
set(gz_dir ${CMAKE_CURRENT_BINARY_DIR}/gz)
function(kestrion_gzip source name)
  add_custom_command(OUTPUT ${gz_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gz_dir}
    COMMAND ${GZIP} -9n -c ${source} > ${gz_dir}/${name}.gz
    DEPENDS ${source})
  set_property(GLOBAL APPEND PROPERTY KESTRION_GZ_FILES ${gz_dir}/${name}.gz)
endfunction()
# The man pages name the project's version.
foreach(page kestrion-cli.1 kestrion.1)
  configure_file(man/${page}.in ${CMAKE_CURRENT_BINARY_DIR}/man/${page} @ONLY)
  kestrion_gzip(${CMAKE_CURRENT_BINARY_DIR}/man/${page} ${page})
endforeach()
kestrion_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog changelog)
get_property(gz_files GLOBAL PROPERTY KESTRION_GZ_FILES)
add_custom_target(compressed_docs ALL DEPENDS ${gz_files})

install(FILES ${gz_dir}/kestrion-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gz_dir}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrion)

if(TARGET kestrion)
  install(TARGETS kestrion RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
  install(FILES ${gz_dir}/kestrion.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES assets/kestrion.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${KESTRION_APP_ID}.desktop)
  install(FILES assets/${KESTRION_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES assets/icon.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${KESTRION_APP_ID}.svg)

  # The fixed-size icons are rendered from the SVG at build time.
  find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
  add_executable(render_icon tools/render_icon.cpp)
  target_link_libraries(render_icon PRIVATE Qt6::Gui Qt6::Svg)
  set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
  set(icon_pngs)
  foreach(size IN LISTS KESTRION_ICON_SIZES)
    list(APPEND icon_pngs ${icon_dir}/${size}.png)
    install(FILES ${icon_dir}/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KESTRION_APP_ID}.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_pngs}
    COMMAND render_icon ${CMAKE_CURRENT_SOURCE_DIR}/assets/icon.svg ${icon_dir}
            ${KESTRION_ICON_SIZES}
    DEPENDS render_icon ${CMAKE_CURRENT_SOURCE_DIR}/assets/icon.svg
    COMMENT "Rendering the icon at ${KESTRION_ICON_SIZES} px")
  add_custom_target(icons ALL DEPENDS ${icon_pngs})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrion)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kestrion maintainers <maintainers@kestrion.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for satellite-TV receiving installations")
# CPack puts the summary first and indents these lines under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kestrion computes the noise figure of a receive chain, noise figure and
noise temperature, dish gain, G/T, dish alignment (elevation, compass
azimuth, LNB skew, distance) and carrier-to-noise with a rain allowance.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The satellites' names come from the DVB-S scan tables when they are installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS dtv-scan-tables)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
