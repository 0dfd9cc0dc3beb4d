# Copies every file of QUELLE into ZIEL that ZIEL does not hold yet (compared without regard to
# case, as the program matches its data file names).
cmake_policy(SET CMP0057 NEW) # if(... IN_LIST ...) in script mode
file(MAKE_DIRECTORY ${ZIEL})
file(GLOB vorhanden RELATIVE ${ZIEL} ${ZIEL}/*)
set(vorhanden_klein "")
foreach(n IN LISTS vorhanden)
  string(TOLOWER "${n}" k)
  list(APPEND vorhanden_klein "${k}")
endforeach()
file(GLOB geliefert RELATIVE ${QUELLE} ${QUELLE}/*)
foreach(n IN LISTS geliefert)
  string(TOLOWER "${n}" k)
  if(NOT IS_DIRECTORY ${QUELLE}/${n} AND NOT k IN_LIST vorhanden_klein)
    file(COPY ${QUELLE}/${n} DESTINATION ${ZIEL})
  endif()
endforeach()
