# Run by CPack while it stages the Debian package (CPACK_INSTALL_SCRIPTS): adds the files that
# only the package carries. DESTDIR points into the staging directory, and file(INSTALL) puts
# files below it.
file(INSTALL FILES "${CPACK_VISTREL_DEBIAN_CHANGELOG}"
    DESTINATION "${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/vistrel-finder")
