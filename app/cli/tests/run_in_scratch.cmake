# run(NAME EXIT STDOUT-REGEX ARGS...): one command of CLI in SCRATCH, with nothing on standard
# error; its output is left in `out`.
function(run name exit out_regex)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL exit OR NOT out MATCHES "${out_regex}" OR NOT err STREQUAL "")
    message(SEND_ERROR "${name}: exit ${rc}, stderr '${err}', stdout:\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
