# Installation as a desktop program, and the Debian package built from it.
#
# <prefix>/bin/trabex                                the program
# <prefix>/share/trabex/Daten/                       the delivered data, read-only; the program
#                                                    fills the user's own data folder from it
# <prefix>/share/applications, icons/hicolor, metainfo   menu entry, icon, AppStream data
# <prefix>/share/mime/packages                       the project file type application/x-trabex;
#                                                    Debian's shared-mime-info trigger on that
#                                                    folder rebuilds the type database when the
#                                                    package is installed or removed
include(GNUInstallDirs)

set(TRABEX_ID de.trabex.Trabex)
set(TRABEX_DATEN_INSTALLIERT ${CMAKE_INSTALL_DATADIR}/trabex/Daten)
# The program finds the installed data relative to itself, so any prefix works.
file(RELATIVE_PATH trabex_daten_relativ ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/trabex/Daten)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/src/core/app/Datenordner.cpp APPEND
  PROPERTY COMPILE_DEFINITIONS TRABEX_DATEN_RELATIV="${trabex_daten_relativ}")

install(TARGETS trabex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/Daten/ DESTINATION ${TRABEX_DATEN_INSTALLIERT})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${TRABEX_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${TRABEX_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${TRABEX_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TRABEX_ID}.xml)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/Programmsymbol.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TRABEX_ID}.svg)
foreach(kante 48 256)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/Programmsymbol_${kante}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${kante}x${kante}/apps RENAME ${TRABEX_ID}.png)
endforeach()

# The package: trabex_<version>_<arch>.deb. Its library dependencies are computed from the
# program by dpkg-shlibdeps; Qt's platform and image plugins come with those libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trabex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Trabex")
set(CPACK_PACKAGE_CONTACT "Trabex <trabex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Festigkeitsrechner für Träger und Stützen")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Trabex berechnet die Festigkeit einfacher Träger und Stützen aus Stahl, Holz \
und Kunststoff: dreizehn Biegelastfälle, die vier Eulerschen Knickfälle und Abscherung, mit \
Werkstoffdatenbank, Profilbibliothek und Druckberichten.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's German texts for its own dialogs; without them the program works with English ones.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paket)
include(CPack)
