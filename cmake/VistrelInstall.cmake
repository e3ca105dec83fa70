# What `cmake --install` puts under the prefix: the finder; its data, which the finder finds
# from its own place (bin/../share/vistrel-finder); the menu entry with its icons, the AppStream
# metadata, the manual page and the copyright. The test camera and the skin generator stay in
# the build tree.

find_program(VISTREL_GZIP gzip REQUIRED)

# Builds file.gz beside file at every build (target `target`), without a time stamp in the gzip
# header, as Debian wants its compressed documentation.
function(vistrel_gzip_for_debian file target comment)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND ${VISTREL_GZIP} -9 -n -k -f ${file}
        DEPENDS ${file}
        COMMENT "${comment}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${file}.gz)
endfunction()

install(TARGETS vistrel-finder RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(data_dir ${PROJECT_SOURCE_DIR}/data)
install(FILES ${data_dir}/Language.ini DESTINATION ${VISTREL_INSTALL_DATA_DIR})
install(DIRECTORY ${data_dir}/image_Quarel DESTINATION ${VISTREL_INSTALL_DATA_DIR}
    FILES_MATCHING PATTERN "*.bmp")
# The window and tray icons the finder loads itself.
install(DIRECTORY ${data_dir}/icons DESTINATION ${VISTREL_INSTALL_DATA_DIR}
    FILES_MATCHING PATTERN "*.png")

# The desktop's menu entry and the icon theme the desktop shows it with.
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging_dir}/net.vistrel.Finder.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/net.vistrel.Finder.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${data_dir}/icons/vistrel-finder-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME vistrel-finder.png)
endforeach()
install(FILES ${data_dir}/icons/vistrel-finder.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page carries the project's version; it is installed compressed.
set(man_page ${CMAKE_BINARY_DIR}/packaging/vistrel-finder.1)
configure_file(${packaging_dir}/vistrel-finder.1.in ${man_page} @ONLY)
vistrel_gzip_for_debian(${man_page} vistrel_manual_page "Compressing the manual page")
install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${packaging_dir}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vistrel-finder)
