# `make package` (or `cpack` in the build folder) makes a Debian package of what
# packaging/CMakeLists.txt installs. Included from the top level, where CPack must be set up for
# the build to offer a `package` target.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondulix)
set(CPACK_PACKAGE_VENDOR "Ondulix developers")
set(CPACK_PACKAGE_CONTACT "Ondulix developers <ondulix@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of 32-point waveforms and their pattern tables")
# Debian wants the lines of the long description within 80 columns, with the space that starts
# each; keep them to 72.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ondulix shapes 32-point waveforms with sliders, the mouse or nine preset\n\
shapes, collects up to 32 of them into a pattern table, saves the table\n\
as CSV and turns it into a memory image or a wavetable with its\n\
compiler, quenfer.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6 widgets and gui, which brings the
# X11 platform plugin, RtMidi with ALSA and JACK, whose port the window opens at start, and the
# C++ runtime); it cannot see the font the window asks for by name.
# Qt Multimedia, whose plugins play the sound preview, libsndfile, which reads and writes audio
# files and is loaded only then, so that no program links it, and muParser, which reads
# formulas, are named too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6multimedia6, libsndfile1, libmuparser2v5")
include(CPack)
