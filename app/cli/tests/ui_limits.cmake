# The limits of ui-script, on scripts written here: dialog and window blocks nest at most 64
# deep (one deeper, also 50,000 deeper, is a bad script, exit 2, never a crash); "advance" takes
# 1 to 10,000 steps, in a block as outside; 20,000 "new" lines run in linear time: well within
# CPU_SECONDS of CPU time, which a cost per line growing with the windows open overruns.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -DCPU_SECONDS=n -P ui_limits.cmake
cmake_policy(SET CMP0007 NEW)  # the rows have empty fields

include(${CMAKE_CURRENT_LIST_DIR}/play.cmake)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/vna_lowpass.vqe DESTINATION ${SCRATCH})

# NAME.txt of HEAD, then LEVELS nested dialog blocks and their ends.
function(write_nested name head levels)
  string(REPEAT "dialog 230\n" ${levels} opening)
  string(REPEAT "cancel\n" ${levels} closing)
  file(WRITE ${SCRATCH}/${name}.txt "${head}${opening}${closing}")
endfunction()

set(window "open vna_lowpass.vqe\nedit VNA1\nwindow 132\n")
# Each row: name | head | dialog levels | tail | exit status | output regex.
foreach(row
    "deepest||64||1|^1 Dialogskript\\(e\\) nicht benutzt\n$"
    "too_deep||65||2|^[^\n]*too_deep.txt:65: Blöcke tiefer als 64 geschachtelt\n$"
    "window_deepest|${window}|63|end\n|1|^1 Dialogskript\\(e\\) nicht benutzt\n$"
    "window_too_deep|${window}|64|end\n|2|^[^\n]*window_too_deep.txt:67: Blöcke tiefer als 64 geschachtelt\n$"
    "abyss||50000||2|^[^\n]*abyss.txt:65: Blöcke tiefer als 64 geschachtelt\n$"
    "advance_none|advance 10 0\n|0||2|^[^\n]*advance_none.txt:1: erwartet: advance MS \\[ANZAHL\\]\n$"
    "advance_most|advance 10 10001\n|0||2|^[^\n]*advance_most.txt:1: erwartet: advance MS \\[ANZAHL\\]\n$"
    "window_advance|${window}  advance 10 0\n|0|end\n|2|^[^\n]*window_advance.txt:4: erwartet: advance MS \\[ANZAHL\\]\n$")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 head)
  list(GET fields 2 levels)
  list(GET fields 3 tail)
  list(GET fields 4 exit)
  list(GET fields 5 expect)
  write_nested(${name} "${head}" ${levels})
  file(APPEND ${SCRATCH}/${name}.txt "${tail}")
  expect_played(${name} ${exit} "${expect}")
endforeach()

string(REPEAT "new\n" 20000 lines)
file(WRITE ${SCRATCH}/many_new.txt "${lines}")
execute_process(COMMAND sh -c "ulimit -t ${CPU_SECONDS} && exec \"$0\" ui-script many_new.txt"
                        ${CLI}
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(SEND_ERROR "20,000 new: exit ${rc}:\n${out}${err}")
endif()
