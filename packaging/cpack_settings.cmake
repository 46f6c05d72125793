# The Debian package: `cpack -G DEB` in the build folder (scripts/package-check
# builds, checks, installs and removes it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ejteto)
set(CPACK_PACKAGE_VERSION ${EJTETO_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${EJTETO_DEBIAN_RELEASE})
set(CPACK_PACKAGE_VENDOR "The Ejteto! developers")
set(CPACK_PACKAGE_CONTACT ${EJTETO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn to hear the sixteen English vowel sounds")
# Kept free of ";", which would split it into a CMake list.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Ejteto! teaches Hungarian-speaking learners the sixteen vowel sounds of\n"
       "British English. The learner picks a vowel in a four-by-four mosaic and\n"
       "hears it, then watches a short narrated lecture on it, or practises and\n"
       "tests it with ten questions at three levels whose wrong answers are the\n"
       "vowels Hungarians confuse it with. A word index with Hungarian meanings\n"
       "and recordings, and a memory game of word pairs complete it. The window\n"
       "texts are Hungarian. Every recording and lecture comes with the package.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${EJTETO_WEB_ADDRESS})
# Shared libraries (libsndfile1 among them) through dpkg-shlibdeps, run on the
# program alone (shlib_depends.cmake); beside them what the program loads at
# run time: GStreamer's elements and an audio output, the fonts of the layout,
# Qt's Hungarian texts, xdg-open for the About window's address, and Qt's
# SQLite driver for the history.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake
     CONTENT "set(EJTETO_PACKAGED_PROGRAM \"$<TARGET_FILE:ejteto>\")
set(EJTETO_SHLIBDEPS_DIR \"${CMAKE_CURRENT_BINARY_DIR}/shlibdeps\")
include(\"${CMAKE_CURRENT_SOURCE_DIR}/shlib_depends.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_project.cmake)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, gstreamer1.0-pulseaudio | gstreamer1.0-alsa, fonts-sil-gentium, fonts-sil-gentiumplus, fonts-liberation2, qt6-translations-l10n, xdg-utils, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-alsa, gstreamer1.0-pulseaudio")
# gzip compresses the 106 MB course in seconds on two cores; xz would take minutes
# for a few per cent.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
