# Installed like a desktop application: the program in bin/, its program folder (pictures,
# sounds, the starting Class.ini) in share/trelon2/, which the program finds from bin/../share.
# The Debian package is made from the same rules: cpack in the build folder.
install(TARGETS trelon2 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/Class.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/trelon2)
# The generated pictures and sounds only: the build's program folder may also hold an
# operator's patients and results, which are no part of the program.
install(CODE "
    file(GLOB assets LIST_DIRECTORIES false
         \"${TRELON_PROGRAM_DIR}/*.bmp\" \"${TRELON_PROGRAM_DIR}/*.wav\"
         \"${TRELON_PROGRAM_DIR}/*.png\")
    file(INSTALL \${assets}
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/trelon2\")")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelon2)
set(CPACK_PACKAGE_VENDOR "ТРЕЛОН")
set(CPACK_PACKAGE_CONTACT "ТРЕЛОН-2 <trelon2@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "ТРЕЛОН-2: diagnosis and training of strabismus on an anaglyph stimulus")
set(CPACK_PACKAGE_INSTALL_DIRECTORY trelon2)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found among the linked libraries: the window system plug-ins and
# Qt's own Russian texts; a sound server for the feedback sounds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pulseaudio | pipewire-pulse")
set(CPACK_STRIP_FILES ON)
include(CPack)
