# `cmake --install` of the Windows build: one folder that runs on any 64-bit Windows PC as
# it is, with the programs, the Qt, SQLite, Hunspell and compiler run-time DLLs, Qt's
# plug-ins in the folders Qt looks for beside a program, the dictionaries, Qt's Ukrainian
# translations, the sample cards, the guide and the licence. Nothing is looked for in the
# kit or on the build machine once it is installed.
set(kit ${ZORVAT_WINKIT_PREFIX})
install(FILES
  ${kit}/bin/Qt6Core.dll ${kit}/bin/Qt6Gui.dll ${kit}/bin/Qt6Widgets.dll ${kit}/bin/Qt6PrintSupport.dll
  ${kit}/bin/Qt6Sql.dll ${kit}/bin/libsqlite3-0.dll ${kit}/bin/libhunspell-1.7-0.dll
  ${kit}/bin/libstdc++-6.dll ${kit}/bin/libgcc_s_seh-1.dll ${kit}/bin/libwinpthread-1.dll
  DESTINATION .)
# qminimal: zorvat-card draws pages with the system's fonts and no window.
install(FILES ${kit}/plugins/platforms/qwindows.dll ${kit}/plugins/platforms/qminimal.dll DESTINATION platforms)
install(FILES ${kit}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${kit}/plugins/imageformats/qico.dll ${kit}/plugins/imageformats/qgif.dll
              ${kit}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)
install(FILES ${kit}/plugins/sqldrivers/qsqlite.dll DESTINATION sqldrivers)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf DESTINATION .)
install(FILES ${ZORVAT_WIN_DICTIONARIES} DESTINATION dictionaries)
install(FILES ${ZORVAT_WIN_TRANSLATIONS} DESTINATION translations)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/samples/ DESTINATION samples)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION doc)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION doc/docs)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/zorvat.ico DESTINATION .)
