# Stored numbers that are no finite number refuse their file with its message: a circuit whose
# input port or substrate holds NaN or an infinity, a curve with such a point. The largest
# floats are numbers: a curve of them is drawn and its data copy shows them. The fuzz corpora's
# seed files serve as the damaged files.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P number_refusals.cmake

cmake_policy(SET CMP0007 NEW)  # the rows' empty fields count
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(circuits ${ROOT}/fuzz/document_corpus)
set(curves ${ROOT}/fuzz/curves)

# Each row: command | file | exit status | what standard error must hold ("" for nothing) |
# what standard output must hold.
foreach(row
    "netlist|${circuits}/input_rg1_nan.vqe|1|Cmp1: Wert ungültig: nan|"
    "netlist|${circuits}/input_stop_inf.vqe|1|Cmp1: Wert ungültig: inf|"
    "netlist|${circuits}/substrate_height_minus_inf.vqe|1|ALU: Wert ungültig: -inf|"
    "netlist|${ROOT}/examples/lc_lowpass.vqe|0||TIEFPASS: 2POR 1 3 RG1 = 50ohm RG2 = 50ohm"
    "plot|${curves}/nan_x.kur|1|Kurve konnte nicht geladen werden|"
    "plot|${curves}/inf_value.kur|1|Kurve konnte nicht geladen werden|"
    "plot|${curves}/minus_inf_value.kur|1|Kurve konnte nicht geladen werden|"
    "plot|${curves}/largest_floats.kur|0||3.403e+38\t3.403e+38\t-3.403e+38\t")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 command)
  list(GET fields 1 path)
  list(GET fields 2 expected)
  list(GET fields 3 message)
  list(GET fields 4 output)
  set(args ${path})
  if(command STREQUAL "plot")
    list(APPEND args --png ${SCRATCH}/curve.png --data)
  endif()
  execute_process(COMMAND ${CLI} ${command} ${args} WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(FIND "${err}" "${message}" inErr)
  string(FIND "${out}" "${output}" inOut)
  if(NOT rc STREQUAL expected OR inErr LESS 0 OR inOut LESS 0
     OR (message STREQUAL "" AND NOT err STREQUAL ""))
    message(SEND_ERROR "${command} ${path}: exit ${rc}, expected ${expected}, '${message}' and "
                       "'${output}':\n${out}${err}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
