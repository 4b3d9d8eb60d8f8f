# Runs "vostrane-cli simulate NETLIST [--kind KIND]": exit 0, no messages, standard output
# matching EXPECT.
# cmake -DCLI=... -DNETLIST=... [-DKIND=K] -DEXPECT=regex -P simulate_example.cmake
set(kind_args)
if(KIND)
  set(kind_args --kind ${KIND})
endif()
execute_process(COMMAND ${CLI} simulate ${NETLIST} ${kind_args} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE messages)
if(NOT rc EQUAL 0 OR NOT messages STREQUAL "" OR NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "exit ${rc}, messages '${messages}', output:\n${out}")
endif()
