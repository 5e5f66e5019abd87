# Runs mogran-read-digits (TOOL) on answers drawn by hand: a 1, an empty box, a 7 without
# crossbar and a dot read "17?"; every line gets its output line, bad ones an empty one and a
# message naming the line, and the status tells whether any line was bad.
set(one "[[[70,20],[70,70],[70,120]]]")
set(seven "[[[30,25],[70,25],[110,25],[85,75],[60,125]]]")
set(dot "[[[70,70],[71,71]]]")
set(good "{\"size\": 140, \"boxes\": [${one}, [], ${seven}, ${dot}]}")
set(input "${WORK}/read_digits_input.jsonl")

function(run_tool expected_status expected_out expected_err)
  execute_process(COMMAND ${TOOL} ${ARGN} INPUT_FILE ${input} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status OR NOT out STREQUAL expected_out
     OR NOT err MATCHES "${expected_err}")
    message(FATAL_ERROR "status ${status}, stdout '${out}', stderr '${err}'")
  endif()
endfunction()

file(WRITE ${input} "${good}\n{\"size\": 140, \"boxes\": [[[]]]}\r\n${good}")
run_tool(0 "17?\n\n17?\n" "^$")
file(WRITE ${input} "${good}\n\n{\"size\": 0, \"boxes\": []}\n${good}\n{\"size\"")
run_tool(2 "17?\n\n\n17?\n\n" "^mogran-read-digits: line 2: an empty line \\(at column 1\\)
mogran-read-digits: line 3: the size must be above 0 [^\n]*
mogran-read-digits: line 5: expected ':' after a key [^\n]*\n$")
run_tool(2 "" "^usage: mogran-read-digits" extra)
