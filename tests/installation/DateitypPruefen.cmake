# The project file type as installed under PREFIX: the menu entry opens a file (%f) and names
# the type, and the type's XML, compiled by the same tool the package's trigger runs
# (update-mime-database, given as UPDATE_MIME), gives *.trabex that type, a subclass of JSON,
# with its German comment and the program's icon. The compiled database goes to ZIEL.
set(eintrag ${PREFIX}/share/applications/${TRABEX_ID}.desktop)
file(STRINGS ${eintrag} zeilen)
foreach(erwartet "Exec=trabex %f" "MimeType=application/x-trabex;")
  list(FIND zeilen "${erwartet}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "„${erwartet}“ fehlt in ${eintrag}")
  endif()
endforeach()

set(paket ${PREFIX}/share/mime/packages/${TRABEX_ID}.xml)
if(NOT EXISTS ${paket})
  message(FATAL_ERROR "${paket} fehlt")
endif()
file(REMOVE_RECURSE ${ZIEL})
file(COPY ${paket} DESTINATION ${ZIEL}/packages)
# ZIEL ends in "mime" and its parent is the data folder the tool is told of, so that any output
# is a complaint about the XML.
get_filename_component(datenordner ${ZIEL} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${datenordner} ${UPDATE_MIME} ${ZIEL} RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0 OR NOT ausgabe STREQUAL "")
  message(FATAL_ERROR "update-mime-database: ${ergebnis}\n${ausgabe}")
endif()

function(muss_enthalten datei text)
  file(READ ${ZIEL}/${datei} inhalt)
  string(FIND "${inhalt}" "${text}" stelle)
  if(stelle EQUAL -1)
    message(FATAL_ERROR "„${text}“ fehlt in ${datei}:\n${inhalt}")
  endif()
endfunction()
muss_enthalten(globs2 ":application/x-trabex:*.trabex\n")
muss_enthalten(subclasses "application/x-trabex application/json\n")
muss_enthalten(icons "application/x-trabex:${TRABEX_ID}\n")
muss_enthalten(application/x-trabex.xml "<comment>Trabex-Projekt</comment>")
