# expect_played(NAME EXIT EXPECT): plays SCRATCH/NAME.txt with CLI ui-script in SCRATCH; an exit
# status other than EXIT or an output that does not match EXPECT is an error (the caller goes on).
function(expect_played name exit expect)
  execute_process(COMMAND ${CLI} ui-script ${name}.txt WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL exit OR NOT "${out}${err}" MATCHES "${expect}")
    message(SEND_ERROR "${name}: exit ${rc}, expected ${exit}:\n${out}${err}")
  endif()
endfunction()
