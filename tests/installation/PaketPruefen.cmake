# Builds the Debian package of the build tree BAUORDNER into ZIEL and checks its name, its
# files and its dependencies.
file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${CPACK} -G DEB -B ${ZIEL} --config ${BAUORDNER}/CPackConfig.cmake
  WORKING_DIRECTORY ${BAUORDNER} RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "cpack: ${ergebnis}\n${ausgabe}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(paket ${ZIEL}/trabex_${VERSION}_${arch}.deb)
if(NOT EXISTS ${paket})
  file(GLOB gebaut ${ZIEL}/*.deb)
  message(FATAL_ERROR "${paket} fehlt; gebaut: ${gebaut}")
endif()

execute_process(COMMAND dpkg-deb -c ${paket} OUTPUT_VARIABLE inhalt RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c: ${ergebnis}")
endif()
foreach(datei
    ./usr/bin/trabex
    ./usr/share/trabex/Daten/Material.csv
    ./usr/share/trabex/Daten/Profile.csv
    ./usr/share/trabex/Daten/HEB.CSV
    ./usr/share/trabex/Daten/B_Bieg5.BMP
    ./usr/share/trabex/Daten/Formel5.JPG
    ./usr/share/trabex/Daten/Hilfe0.RTF
    ./usr/share/applications/${TRABEX_ID}.desktop
    ./usr/share/icons/hicolor/scalable/apps/${TRABEX_ID}.svg
    ./usr/share/icons/hicolor/48x48/apps/${TRABEX_ID}.png
    ./usr/share/icons/hicolor/256x256/apps/${TRABEX_ID}.png
    ./usr/share/metainfo/${TRABEX_ID}.metainfo.xml
    ./usr/share/mime/packages/${TRABEX_ID}.xml)
  string(FIND "${inhalt}" " ${datei}\n" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "${datei} fehlt im Paket:\n${inhalt}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f ${paket} Package Architecture Depends OUTPUT_VARIABLE felder)
foreach(erwartet "Package: trabex" "Architecture: ${arch}" libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6)
  string(FIND "${felder}" "${erwartet}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "${erwartet} fehlt in den Feldern des Pakets:\n${felder}")
  endif()
endforeach()
message(STATUS "${paket}\n${felder}")
