# The help texts Daten/Hilfe0.RTF … Hilfe9.RTF from their sources in tools/hilfe/*.txt:
#   hilfe_texte <tools/hilfe> <Daten>
add_executable(hilfe_texte ${CMAKE_CURRENT_LIST_DIR}/hilfe_texte.cpp)
target_link_libraries(hilfe_texte PRIVATE trabex_core)
