# The commands on circuit files, end to end: the committed drawn circuits are what the
# generator makes; netlist, spice and export-netlist on them; refusals and bad files.
# cmake -DCLI=... -DMAKE_EXAMPLES=... -DROOT=repository -DSCRATCH=dir -P circuit_commands.cmake

# run(NAME EXIT STDOUT-REGEX STDERR-REGEX ARGS...): one command and what it must give.
function(run name exit out_regex err_regex)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL exit OR NOT out MATCHES "${out_regex}" OR NOT err MATCHES "${err_regex}")
    message(FATAL_ERROR "${name}: exit ${rc}, stderr '${err}', stdout:\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${MAKE_EXAMPLES} ${SCRATCH} RESULT_VARIABLE rc)
file(GLOB_RECURSE made RELATIVE ${SCRATCH} ${SCRATCH}/*.vqe)
list(LENGTH made count)
if(NOT rc EQUAL 0 OR count LESS 10)
  message(FATAL_ERROR "make-examples: exit ${rc}, ${count} files")
endif()
foreach(f IN LISTS made)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${f} ${ROOT}/${f}
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${f} is not what make-examples draws now")
  endif()
endforeach()

run(netlist 0 "^\\*\nBLK\nCAP 1 C = 1\\.967pF\nIND 1 2 L = 12\\.88nH\nCAP 2 C = 6\\.366pF\nIND 2 3 L = 12\\.88nH\nCAP 3 C = 1\\.967pF\nTIEFPASS: 2POR 1 3 RG1 = 50ohm RG2 = 50ohm\nEND\n$"
    "^$" netlist ${ROOT}/examples/lc_lowpass.vqe)
set(ENV{SOURCE_DATE_EPOCH} 0)
run(spice 0 "^resonator\\.vqe\n.*\n\\* 1\\.1\\.1970  0:0:0\n\\*\nLPs1 1 0 .*\n\\.save all\n\\.end\n$" "^$"
    spice ${ROOT}/examples/resonator.vqe)
file(COPY ${ROOT}/examples/pi_section.vqe DESTINATION ${SCRATCH}/export)
run(export 0 "^${SCRATCH}/export/pi_section\\.net\n$" "^$"
    export-netlist ${SCRATCH}/export/pi_section.vqe)
file(READ ${SCRATCH}/export/pi_section.net exported)
run(netlist_of_export 0 "" "" netlist ${SCRATCH}/export/pi_section.vqe)
if(NOT exported STREQUAL out)
  message(FATAL_ERROR "the exported netlist differs from the built one:\n${exported}")
endif()
run(export_refused 1 "^$" "Netzwerk kann nicht exportiert werden: keine externen Knoten"
    export-netlist ${ROOT}/examples/lc_lowpass.vqe)
# A sub-circuit symbol without a source: no netlist file, and the SPICE file says why it lacks it.
file(COPY ${ROOT}/app/cli/tests/ui/no_source.vqe DESTINATION ${SCRATCH}/export)
run(export_no_source 1 "^$" "^Teilschaltung ohne Quelle: Cmp3\n$"
    export-netlist ${SCRATCH}/export/no_source.vqe)
run(spice_no_source 1 "\nR2  2 0 96\\.25\n" "^Teilschaltung ohne Quelle: Cmp3\n$"
    spice ${SCRATCH}/export/no_source.vqe)
if(EXISTS ${SCRATCH}/export/no_source.net)
  message(FATAL_ERROR "export_no_source wrote a netlist")
endif()
# A line break in a circuit's file name adds no line: the SPICE title and the port line hold it
# as '_'.
set(broken "${SCRATCH}/export/x\nR9 1 0 1\n.vqe")
file(COPY_FILE ${ROOT}/examples/pi_section.vqe "${broken}")
run(spice_broken_name 0 "^x_R9_1_0_1_\\.vqe\n\\*\n" "^$" spice "${broken}")
run(netlist_broken_name 0 "\nx_R9_1_0_1_: 2POR 1 2 \nEND\n$" "^$" netlist "${broken}")
if(out MATCHES "\nR9 ")
  message(FATAL_ERROR "a file name added a line:\n${out}")
endif()
run(bad_file 1 "^$" "Datei ist beschädigt" netlist ${ROOT}/examples/lc_lowpass.net)
run(missing_file 1 "^$" "Datei kann nicht geöffnet werden" spice ${SCRATCH}/none.vqe --op)
run(bad_usage 2 "^$" "unknown option '--ac'" spice ${ROOT}/examples/resonator.vqe --ac)
