# A circuit holding the resonator drawn between external nodes (examples/resonator_twoport.vqe)
# as a sub-circuit simulates like examples/resonator.net; after the sub-circuit's file is
# replaced by the pi attenuator, the next run gives the attenuator's result.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P subcircuit_run.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/resonator_twoport.vqe DESTINATION ${SCRATCH})
file(WRITE ${SCRATCH}/outer.txt "element 36\ndrag 100 100 50 100\nelement 35\n"
           "file resonator_twoport.vqe\ndrag 100 100 200 100\nelement 36\ndrag 200 100 250 100\n"
           "element 1\ndrag 150 200 150 250\nsave outer.vqe\n")
execute_process(COMMAND ${CLI} ui-script outer.txt WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${rc}\n${out}${err}")
endif()

# The outer circuit's result rows over the sweep of examples/resonator.net.
function(outer_rows result)
  execute_process(COMMAND ${CLI} netlist ${SCRATCH}/outer.vqe RESULT_VARIABLE rc
                  OUTPUT_VARIABLE netlist ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "netlist: exit ${rc}\n${err}")
  endif()
  file(WRITE ${SCRATCH}/outer.net "${netlist}FREQ\nFSTEP 800MHz 81 1.2GHz\nEND\n")
  execute_process(COMMAND ${CLI} simulate ${SCRATCH}/outer.net OUTPUT_VARIABLE table)
  string(REGEX REPLACE "^.*\\* outer: S\n" "" table "${table}")
  set(${result} "${table}" PARENT_SCOPE)
endfunction()

outer_rows(nested)
execute_process(COMMAND ${CLI} simulate ${ROOT}/examples/resonator.net OUTPUT_VARIABLE direct)
string(REGEX REPLACE "^.*\\* BANDPASS: S\n" "" direct "${direct}")
string(LENGTH "${direct}" length)
if(length LESS 1000 OR NOT nested STREQUAL direct)
  message(FATAL_ERROR "as sub-circuit:\n${nested}\nthe resonator itself:\n${direct}")
endif()

file(COPY_FILE ${ROOT}/examples/pi_section.vqe ${SCRATCH}/resonator_twoport.vqe)
outer_rows(changed)
# The 71.15 ohm / 96.25 ohm pi section attenuates 10 dB at every frequency.
if(NOT changed MATCHES "^0\\.8     \t[0-9.e-]+\t[-0-9.]+\t0\\.316[0-9]*\t")
  message(FATAL_ERROR "after the change:\n${changed}")
endif()
