# Runs "vostrane-cli simulate NETLIST": exit 0, no messages, standard output matching EXPECT.
# cmake -DCLI=... -DNETLIST=... -DEXPECT=regex -P simulate_example.cmake
execute_process(COMMAND ${CLI} simulate ${NETLIST} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE messages)
if(NOT rc EQUAL 0 OR NOT messages STREQUAL "" OR NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "exit ${rc}, messages '${messages}', output:\n${out}")
endif()
