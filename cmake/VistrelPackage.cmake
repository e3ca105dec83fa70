# `cpack -G DEB` in the build tree: a Debian package of what cmake/VistrelInstall.cmake installs,
# under /usr, with its library dependencies found by dpkg-shlibdeps and a stripped finder.

set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.Debian ${changelog} COPYONLY)
vistrel_gzip_for_debian(${changelog} vistrel_debian_changelog "Compressing the Debian changelog")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vistrel-finder)
set(CPACK_PACKAGE_VENDOR Vistrel)
set(CPACK_PACKAGE_CONTACT "Vistrel Finder developers <finder@vistrel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find, set up and watch Vistrel network cameras")
# The long description, in lines that fit a terminal of 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vistrel Finder finds the Vistrel network cameras on the local network,"
    "sets a new camera up (address, link test, wireless network, name and"
    "password) and shows a camera's live picture with pan and tilt. It talks to"
    "the cameras directly: UDP broadcast on port 13364, HTTP and ICMP echo."
    ""
    "Its command line lists the cameras, shows a camera's settings and changes"
    "them, with JSON output for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The scripts of the 23 languages; Liberation stands in for the windows' design fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-core, fonts-noto-ui-core, fonts-noto-cjk, fonts-liberation")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Debian's changelog belongs to the package only, not to every `cmake --install`.
set(CPACK_VISTREL_DEBIAN_CHANGELOG ${changelog}.gz)
set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake)

include(CPack)
