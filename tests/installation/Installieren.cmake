# Installs the build tree BAUORDNER into a fresh PREFIX.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BAUORDNER} --prefix ${PREFIX}
  RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "cmake --install: ${ergebnis}")
endif()
