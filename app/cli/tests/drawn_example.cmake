# A drawn example against its netlist: the circuit's exported netlist, given the example's FREQ
# and OUT blocks, simulates to the example's table (the network's name line aside).
# cmake -DCLI=... -DCIRCUIT=name.vqe -DNETLIST=name.net -DSCRATCH=dir -P drawn_example.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${CIRCUIT} DESTINATION ${SCRATCH})
get_filename_component(name ${CIRCUIT} NAME_WE)
execute_process(COMMAND ${CLI} export-netlist ${SCRATCH}/${name}.vqe RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "export-netlist: exit ${rc}: ${err}")
endif()
file(READ ${NETLIST} example)
file(READ ${SCRATCH}/${name}.net exported)
string(REGEX MATCH "FREQ\n[^\n]*\nEND\nOUT\n[^\n]*\nEND\n" blocks "${example}")
if(blocks STREQUAL "")
  message(FATAL_ERROR "${NETLIST} has no FREQ and OUT blocks")
endif()
file(WRITE ${SCRATCH}/swept.net "${blocks}${exported}")

function(table netlist out)
  execute_process(COMMAND ${CLI} simulate ${netlist} RESULT_VARIABLE rc OUTPUT_VARIABLE text
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "simulate ${netlist}: exit ${rc}: ${err}")
  endif()
  string(REGEX REPLACE "^\\* [^\n]*\n" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
table(${NETLIST} expected)
table(${SCRATCH}/swept.net drawn)
if(expected STREQUAL "" OR NOT drawn STREQUAL expected)
  message(FATAL_ERROR "the drawn circuit gives\n${drawn}\nthe example\n${expected}")
endif()
