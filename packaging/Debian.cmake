# The Debian packages, made with `cpack -G DEB` in a build folder: velocarta (the program,
# its menu entry, icons and manual page) and velocarta-sample-disc (the sample content
# disc). The program's library dependencies come from dpkg-shlibdeps; what it loads at run
# time is named here: GStreamer's "base" plugins (playbin, the converters) and "good" ones
# (the AVI demuxer, the JPEG decoder, the WAV parser, the PulseAudio output, the automatic
# output choice).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velocarta)
set(CPACK_PACKAGE_VENDOR "The Velocarta developers")
set(CPACK_PACKAGE_CONTACT "The Velocarta developers <velocarta@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_COMPONENTS_ALL Program SampleDisc)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION education)

set(CPACK_COMPONENT_PROGRAM_DESCRIPTION
    "multimedia reference about the Vantrel car model line
The Vantrel Velocarta 2000 shows every model year of the Vantrel from 1964 to
2000, the special editions, the collectible merchandise and the art prints:
photos, documents, movies and sounds read from a content disc, a slide show,
printed booklets and a screen saver.")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME velocarta)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# The ALSA output for machines without a sound server; libav for the codecs of older movies.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "gstreamer1.0-alsa, gstreamer1.0-libav")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SUGGESTS velocarta-sample-disc)

set(CPACK_COMPONENT_SAMPLEDISC_DESCRIPTION
    "sample content disc for The Vantrel Velocarta 2000
Photos, documents, pictures, movies and sounds of every model year, written
by the build as a content disc, with a menu entry that starts the program on
it.")
set(CPACK_DEBIAN_SAMPLEDISC_PACKAGE_NAME velocarta-sample-disc)
set(CPACK_DEBIAN_SAMPLEDISC_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_SAMPLEDISC_PACKAGE_DEPENDS "velocarta (>= ${PROJECT_VERSION})")

include(CPack)
