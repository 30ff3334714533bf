# Runs COMMAND (a |-separated list) and compares its standard output with the
# file EXPECTED. Used by the notch-inspect tests: its output is an interface.
string(REPLACE "|" ";" command "${COMMAND}")
string(REPLACE "%7C" "|" command "${command}")
execute_process(COMMAND ${command} OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "exit code ${result}: ${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
endif()
