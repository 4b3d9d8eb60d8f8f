# Plays tests/ui/curve_runs.txt on a copy of examples/vna_lowpass.vqe: every curve file saved
# after a change of format names the run's network and time as the one saved before the change
# does, in its data text and in the bottom line of its plot; the curve drawn without results
# is not saved.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P curve_runs.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/vna_lowpass.vqe DESTINATION ${SCRATCH})
execute_process(COMMAND ${CLI} ui-script ${ROOT}/app/cli/tests/ui/curve_runs.txt
                WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${status}\n${out}${err}")
endif()
set(time "[0-9]+:[0-9]+:[0-9]+  [0-9]+\\.[0-9]+\\.[0-9][0-9][0-9][0-9]")
foreach(curve before LogMag LinMag LinPhase LogPolar LinPolar RecPlane SmithDia LinReal LinImag)
  execute_process(COMMAND ${CLI} plot ${SCRATCH}/${curve}.kur --data
                          --pictex ${SCRATCH}/${curve}.tex
                  RESULT_VARIABLE status OUTPUT_VARIABLE data ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "plot ${curve}.kur: exit ${status}\n${err}")
  endif()
  if(NOT data MATCHES "\n! Netzwerk: vna_lowpass\n! Datum: (${time})\n")
    message(FATAL_ERROR "${curve}.kur names no run:\n${data}")
  endif()
  set(run "${CMAKE_MATCH_1}")
  if(curve STREQUAL "before")
    set(first "${run}")
  elseif(NOT run STREQUAL first)
    message(FATAL_ERROR "${curve}.kur: run of ${run}, the sweep's was ${first}")
  endif()
  file(READ ${SCRATCH}/${curve}.tex tex)
  string(FIND "${tex}" "{\\footnotesize vna\\_lowpass  ${first}}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${curve}.tex: no bottom line 'vna_lowpass  ${first}':\n${tex}")
  endif()
endforeach()
# The curve drawn without results is no run's: "Save" refuses it and writes nothing.
if(NOT out MATCHES "^Achtung: Keine Ergebnisse vorhanden\n$" OR EXISTS ${SCRATCH}/none.kur)
  message(FATAL_ERROR "a curve without results was saved:\n${out}")
endif()
