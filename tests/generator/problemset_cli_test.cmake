# Runs mogran-problemset (TOOL) through the shell, so that empty arguments can be given:
# the set of kind 8 from state 9 starts as worked out by hand, and every bad call fails
# with exit status 2, nothing on stdout and one line on stderr that names the bad argument.
execute_process(COMMAND sh -c "\"\$0\" 8 9" ${TOOL} OUTPUT_VARIABLE out RESULT_VARIABLE status)
string(REGEX MATCH "^[^\n]*" first "${out}")
if(NOT status EQUAL 0 OR NOT first STREQUAL "-1 8 2 0 8 -1 3 4 0 0 (8－8)×4")
  message(FATAL_ERROR "kind 8 from 9: status ${status}, first line '${first}'")
endif()
# Each bad call with the argument its message names.
set(args "expected two arguments")
set(kind "KIND must be a whole number fitting a 32-bit signed integer")
set(state "STATE must be a whole number from 0 to 4294967295")
foreach(case "=args" "1=args" "1 2 3=args" "12x 1=kind" "'' 1=kind" "1 ''=state" "1 -1=state"
             "1 4294967296=state" "1 12x=state" "2147483648 1=kind" "-2147483649 1=kind"
             "+5 1=kind" "1 +5=state" "' 1' 1=kind" "1 ' 1'=state" "- 1=kind" "--1 1=kind"
             "1 0x10=state" "1.0 1=kind")
  string(FIND "${case}" "=" at)
  string(SUBSTRING "${case}" 0 ${at} call)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${case}" ${at} -1 named)
  execute_process(COMMAND sh -c "\"\$0\" ${call}" ${TOOL}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL
     "mogran-problemset: ${${named}} (usage: mogran-problemset KIND STATE)\n")
    message(FATAL_ERROR "[${call}]: status ${status}, stdout '${out}', stderr '${err}'")
  endif()
endforeach()
