# Plays tests/ui/vna_lowpass.txt on a copy of examples/vna_lowpass.vqe: the panel's choices come
# back from the saved file, the curve file, the pictures and the results were written, and the
# copied results at 1 GHz are those of examples/lc_lowpass.net (the same filter, by hand).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/vna_lowpass.vqe DESTINATION ${SCRATCH})
execute_process(COMMAND ${CLI} ui-script ${ROOT}/app/cli/tests/ui/vna_lowpass.txt
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${status}\n${out}${err}")
endif()
set(expect "^Achtung: Resultate stehen als Ascii-File\n im Clipboard\n523\t\n.*\n1021\tZweitor\t1\n.*"
           "\n2123\t S\t1\n.*\n2129\t_21\t1\n.*\n2105\tSmithDia\t1\n")
string(JOIN "" expect ${expect})
if(NOT out MATCHES "${expect}")
  message(FATAL_ERROR "output does not match '${expect}':\n${out}")
endif()
foreach(f s21.kur panel.png s21.tex daten.txt out.vqe)
  if(NOT EXISTS ${SCRATCH}/${f})
    message(FATAL_ERROR "${f} not written")
  endif()
endforeach()
file(READ ${SCRATCH}/daten.txt copied)
execute_process(COMMAND ${CLI} simulate ${ROOT}/examples/lc_lowpass.net OUTPUT_VARIABLE hand)
string(REGEX MATCH "\n1 +\t[^\n]*" copied_1 "${copied}")
string(REGEX MATCH "\n1 +\t[^\n]*" hand_1 "${hand}")
if(copied_1 STREQUAL "" OR NOT copied_1 STREQUAL hand_1)
  message(FATAL_ERROR "1 GHz: copied '${copied_1}', simulated '${hand_1}'")
endif()
