# Fails unless the shared library LIBRARY exports exactly the symbols in EXPECTED
# (a ;-list), so nothing of its insides becomes part of its interface by accident.
execute_process(COMMAND nm -D --defined-only ${LIBRARY}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* " "" symbol "${line}")
    list(APPEND exported ${symbol})
endforeach()
list(SORT exported)
list(SORT EXPECTED)
if(NOT exported STREQUAL EXPECTED)
    message(FATAL_ERROR "${LIBRARY} exports '${exported}', expected '${EXPECTED}'")
endif()
