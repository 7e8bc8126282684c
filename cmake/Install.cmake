# `cmake --install` and the Debian package (`cpack -G DEB`): the program in bin, the transcoder
# in libexec/tunesnip, the completion sound, the help pages and the translations in share/tunesnip, the desktop
# entry, the icons (drawn by tools/skingen into desktop/icons), the AppStream metainfo and the
# copyright file. Everything carries the one application id ${TUNESNIP_APP_ID}.

install(TARGETS tunesnip RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS coder RUNTIME DESTINATION ${TUNESNIP_INSTALL_CODER_DIR})
install(FILES ${TUNESNIP_APP_DIR}/sound.wav ${TUNESNIP_APP_DIR}/help.html
        DESTINATION ${TUNESNIP_INSTALL_DATA_DIR})

set(TUNESNIP_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/desktop)
configure_file(${TUNESNIP_DESKTOP_DIR}/tunesnip.desktop.in
               ${CMAKE_BINARY_DIR}/desktop/${TUNESNIP_APP_ID}.desktop @ONLY)
configure_file(${TUNESNIP_DESKTOP_DIR}/tunesnip.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${TUNESNIP_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${TUNESNIP_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${TUNESNIP_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TUNESNIP_DESKTOP_DIR}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TUNESNIP_APP_ID}.png)
endforeach()
install(FILES ${TUNESNIP_DESKTOP_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tunesnip)

# The package: tunesnip_<version>_<arch>.deb, dependencies computed from the binaries.
set(CPACK_PACKAGE_NAME tunesnip)
set(CPACK_PACKAGE_VENDOR "TuneSnip developers")
set(CPACK_PACKAGE_CONTACT "TuneSnip developers <feedback@tunesnip.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut ring tones out of audio and video files")
set(CPACK_PACKAGE_DESCRIPTION "TuneSnip cuts a piece out of an audio or video file and saves it as a short
clip, typically a ring tone: open a file, listen to it, mark a begin and an end
on the timeline, and save the range as MP3, WMA, WAV or AMR.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tunesnip.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: Qt's platform plugins (X11, offscreen).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)
