# Runs "vostrane-cli simulate" on every netlist of the reader's corpus and on bad command
# lines. A netlist of the failure corpus (err_*.net) must exit 1 with its messages on standard
# error; every other one 0 or 1, never a crash; bad usage exits 2.
# cmake -DCLI=... -DCORPUS=dir -P simulate_bad_input.cmake
file(GLOB netlists ${CORPUS}/*.net)
foreach(netlist IN LISTS netlists)
  execute_process(COMMAND ${CLI} simulate ${netlist} RESULT_VARIABLE rc OUTPUT_QUIET
                  ERROR_VARIABLE messages)
  get_filename_component(name ${netlist} NAME)
  if(name MATCHES "^err_")
    if(NOT rc EQUAL 1 OR messages STREQUAL "")
      message(FATAL_ERROR "${name}: exit ${rc}, messages '${messages}'")
    endif()
  elseif(NOT rc EQUAL 0 AND NOT rc EQUAL 1)
    message(FATAL_ERROR "${name}: exit ${rc}")
  endif()
endforeach()

foreach(arguments "simulate" "simulate;${CORPUS}/freq_fexp.net;--kind;Q"
                  "simulate;${CORPUS}/freq_fexp.net;--kind" "simulate;a.net;b.net")
  execute_process(COMMAND ${CLI} ${arguments} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${arguments}': exit ${rc}, expected 2")
  endif()
endforeach()
execute_process(COMMAND ${CLI} simulate ${CORPUS}/no_such_file.net RESULT_VARIABLE rc
                OUTPUT_QUIET ERROR_VARIABLE messages)
if(NOT rc EQUAL 1 OR NOT messages MATCHES "Netzliste kann nicht gelesen werden")
  message(FATAL_ERROR "missing file: exit ${rc}, messages '${messages}'")
endif()
