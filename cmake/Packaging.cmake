# The Debian package: `cpack -G DEB` in the build folder makes
# reelwick_<version>_<arch>.deb of what `cmake --install` puts under /usr.
# dpkg-shlibdeps (package dpkg-dev) finds the libraries the program links.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reelwick)
# The version users see, as the About box shows it: major.minor.revision.
set(CPACK_PACKAGE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_TWEAK}")
set(CPACK_PACKAGE_VENDOR "Ostrun")
set(CPACK_PACKAGE_CONTACT "Ostrun <reelwick@ostrun.net>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://reelwick.ostrun.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small movie player with a recent list and a folder list")
set(CPACK_PACKAGE_DESCRIPTION
    "Ostrun's Reelwick plays one movie at a time in a plain window that fits
itself to the picture, with a play bar below it. The File menu keeps the
eight most recent movies; Ctrl+H lists the movies of the current folder over
the window. It opens files and web addresses, loops, keeps a movie at its own
size, stays on top on request, and remembers its window and options between
runs. Decoding is done by libmpv.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by dpkg-shlibdeps: libmpv2, libqt6widgets6 and the rest. Qt loads its
# X11 platform plugin at run time, so no library names its package.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# MIDI files are synthesised with a General MIDI sound font: the small one,
# or the larger one the player prefers (libfluidsynth3 comes through
# dpkg-shlibdeps).
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", timgm6mb-soundfont | fluid-soundfont-gm")
# Web pages play through yt-dlp, which libmpv runs; without it the player
# still plays files and direct addresses.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "yt-dlp")
# Qt's own texts (its dialogs' buttons, the file dialogs) in the user's
# language; the program's own translations are built into it.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")

include(CPack)
