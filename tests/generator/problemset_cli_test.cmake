# Runs mogran-problemset (TOOL) through the shell, so that empty arguments can be given:
# the set of kind 8 from state 9 starts as worked out by hand, and every bad call fails
# with exit status 2, one line on stderr and nothing on stdout.
execute_process(COMMAND sh -c "\"\$0\" 8 9" ${TOOL} OUTPUT_VARIABLE out RESULT_VARIABLE status)
string(REGEX MATCH "^[^\n]*" first "${out}")
if(NOT status EQUAL 0 OR NOT first STREQUAL "-1 8 2 0 8 -1 3 4 0 0 (8－8)×4")
  message(FATAL_ERROR "kind 8 from 9: status ${status}, first line '${first}'")
endif()
foreach(call "" "1" "1 2 3" "12x 1" "'' 1" "1 ''" "1 -1" "1 4294967296" "1 12x" "2147483648 1"
             "-2147483649 1" "+5 1" "1 +5" "' 1' 1" "1 ' 1'" "- 1" "--1 1" "1 0x10" "1.0 1")
  execute_process(COMMAND sh -c "\"\$0\" ${call}" ${TOOL}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^[^\n]+\n$")
    message(FATAL_ERROR "[${call}]: status ${status}, stdout '${out}', stderr '${err}'")
  endif()
endforeach()
