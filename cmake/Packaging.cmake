# What `cmake --install` puts where, and the Debian package built from it.
include(GNUInstallDirs)
install(TARGETS sostav RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/org.sostav.Sostav.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/org.sostav.Sostav.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 256)
  install(FILES assets/icon-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME sostav.png)
endforeach()
