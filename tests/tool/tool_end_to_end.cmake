# Runs tessaly-gen as a separate process and compares its output byte for byte.
# -DTOOL=path -DEMULATOR=list (empty natively) -DWORK=scratch folder
file(MAKE_DIRECTORY ${WORK})

# The worked example: A中B from #0080FF to #FF8000, in code page 936 and in UTF-8.
set(expected_936 "5b636f6c6f723d233030383046465d415b2f636f6c6f725d5b636f6c6f723d233535383041415dd6d05b2f636f6c6f725d5b636f6c6f723d234141383035355d425b2f636f6c6f725d")
string(REPLACE "d6d0" "e4b8ad" expected_utf8 "${expected_936}")

function(run_tool name input_hex expected_hex expected_code)
  set(input ${WORK}/${name}.in)
  set(output ${WORK}/${name}.out)
  # Write the input bytes from hex (CMake can't hold every byte in a string).
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${input_hex}")
  execute_process(COMMAND printf "${escaped}" OUTPUT_FILE ${input})
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    INPUT_FILE ${input} OUTPUT_FILE ${output} ERROR_VARIABLE err RESULT_VARIABLE code)
  file(READ ${output} got HEX)
  if(NOT code STREQUAL expected_code)
    message(FATAL_ERROR "${name}: exit code ${code}, expected ${expected_code}; stderr: ${err}")
  endif()
  if(NOT got STREQUAL expected_hex)
    message(FATAL_ERROR "${name}: output\n  ${got}\nexpected\n  ${expected_hex}")
  endif()
  message(STATUS "${name}: ok")
endfunction()

run_tool(raw_stdin "41d6d042" "${expected_936}" 0 --raw --from "#0080FF" --to "#FF8000")
run_tool(utf8_argument "" "${expected_utf8}" 0 --from 0080FF --to FF8000 "A中B")
run_tool(utf8_stdin "41e4b8ad42" "${expected_utf8}" 0 --from=0080ff --to=ff8000)
run_tool(palette_names "" "5b636f6c6f723d234646303030305d785b2f636f6c6f725d" 0 --from "红色" --to "蓝色" x)
run_tool(empty_text "" "" 0)
run_tool(unknown_colour "" "" 2 --from nocolour x)
run_tool(invalid_utf8 "41ff42" "" 1)

# Options beyond the window: two stops give the window's code; over a limit
# nothing is written; grapheme mode in the native build only.
run_tool(two_stops "" "${expected_utf8}" 0 --stops 0080FF,FF8000 "A中B")
run_tool(over_limit "41e4b8ad42" "" 3 --limit 71chars)
set(grapheme_code "5b636f6c6f723d233030303030305d65cc815b2f636f6c6f725d5b636f6c6f723d233030303030305df09f87a8f09f87b35b2f636f6c6f725d")
if(EMULATOR)
  run_tool(unicode_unavailable "65cc81" "" 2 --unicode)
else()
  run_tool(unicode "65cc81f09f87a8f09f87b3" "${grapheme_code}" 0 --unicode --from 000000 --to 000000)
endif()

# Standard input from a pipe, which can't seek: the text is still read twice.
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${WORK}/utf8_stdin.in
  COMMAND ${EMULATOR} ${TOOL} --from 0080FF --to FF8000 --limit 73
  OUTPUT_FILE ${WORK}/pipe.out ERROR_VARIABLE err RESULT_VARIABLE codes)
file(READ ${WORK}/pipe.out got HEX)
if(NOT got STREQUAL expected_utf8)
  message(FATAL_ERROR "pipe: exit ${codes}, output ${got}; stderr: ${err}")
endif()
message(STATUS "pipe: ok")

# -o: the file holds the code; a failed run leaves an existing file as it was.
set(target ${WORK}/code.txt)
file(REMOVE ${target})
execute_process(COMMAND ${EMULATOR} ${TOOL} --from 0080FF --to FF8000 -o ${target} "A中B"
  RESULT_VARIABLE code)
file(READ ${target} got HEX)
if(NOT code EQUAL 0 OR NOT got STREQUAL expected_utf8)
  message(FATAL_ERROR "-o: exit ${code}, file ${got}")
endif()
execute_process(COMMAND ${EMULATOR} ${TOOL} --from nocolour -o ${target} "x" RESULT_VARIABLE code
  ERROR_QUIET)
file(READ ${target} got HEX)
if(NOT code EQUAL 2 OR NOT got STREQUAL expected_utf8)
  message(FATAL_ERROR "-o after a bad colour: exit ${code}, file ${got}")
endif()
file(GLOB leftovers ${WORK}/code.txt.tmp-*)
if(leftovers)
  message(FATAL_ERROR "temporary files left: ${leftovers}")
endif()
message(STATUS "-o: ok")
