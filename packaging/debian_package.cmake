# `make package` (or `cpack` in the build folder) makes a Debian package of what
# packaging/CMakeLists.txt installs. Included from the top level, where CPack must be set up for
# the build to offer a `package` target.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondulix)
set(CPACK_PACKAGE_VENDOR "Ondulix developers")
set(CPACK_PACKAGE_CONTACT "Ondulix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of 32-point waveforms and their pattern tables")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ondulix shapes 32-point waveforms with sliders, the mouse or nine preset shapes,\n\
collects up to 32 of them into a pattern table, saves the table as CSV and turns\n\
it into a memory image with its compiler, quenfer.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6 widgets and gui, which brings the
# X11 platform plugin, and the C++ runtime); it cannot see the font the window asks for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
