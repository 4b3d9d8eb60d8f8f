# Every command checks what it writes. Standard output on the device that is always full: each
# command exits 1 with "Ausgabe konnte nicht geschrieben werden". Files on that device (through
# a link) and files whose folder is a file: exit 1 with the file's message, and the link, the
# device and the folder are as they were.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P output_checks.cmake

if(NOT EXISTS /dev/full)
  message(WARNING "no /dev/full: standard output unchecked")
endif()
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/pi_section.vqe DESTINATION ${SCRATCH})
file(WRITE ${SCRATCH}/script.txt "menu \"&Bearbeiten/Spice starten\"\n")
file(WRITE ${SCRATCH}/file "not a folder\n")
set(circuit ${ROOT}/examples/lc_lowpass.vqe)
set(curve ${ROOT}/app/cli/tests/s11.kur)

# check(NAME OUTPUT_FILE STDERR-REGEX ARGS...): exit 1 and the message.
function(check name output err_regex)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_FILE ${output}
                  ERROR_VARIABLE err WORKING_DIRECTORY ${SCRATCH} TIMEOUT 60)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "${name}: exit ${rc}, stderr '${err}'")
  endif()
endfunction()

if(EXISTS /dev/full)
  set(lost "^Ausgabe konnte nicht geschrieben werden\n$")
  foreach(row
      "simulate|${ROOT}/examples/lc_lowpass.net"
      "simulate_dc|${ROOT}/examples/diode_sweep.net"
      "netlist|${circuit}"
      "export-netlist|${SCRATCH}/pi_section.vqe"
      "spice|${circuit}"
      "latex|${circuit}"
      "plot|${curve};--diagram;SmithDiag;--data"
      "ui-script|${SCRATCH}/script.txt"
      "help|--help")
    string(REPLACE "|" ";" fields "${row}")
    list(POP_FRONT fields name)
    string(REGEX REPLACE "_dc$" "" command ${name})
    if(command STREQUAL "help")
      set(command "")
    endif()
    check(stdout_${name} /dev/full "${lost}" ${command} ${fields})
  endforeach()

  file(CREATE_LINK /dev/full ${SCRATCH}/full SYMBOLIC)
  foreach(target full file/out)
    set(out ${SCRATCH}/${target})
    foreach(row
        "render|Datei konnte nicht geschrieben werden: |${circuit};${out}"
        "print|Datei konnte nicht geschrieben werden: |${circuit};${out}"
        "plot_png|Bild konnte nicht geschrieben werden: |${curve};--diagram;6;--png;${out}"
        "plot_pdf|Bild konnte nicht geschrieben werden: |${curve};--diagram;6;--pdf;${out}"
        "plot_pictex|PicTex-Datei konnte nicht geschrieben werden: |${curve};--diagram;6;--pictex;${out}"
        "render-dialog|Bild konnte nicht geschrieben werden: |262;${out}")
      string(REPLACE "|" ";" fields "${row}")
      list(POP_FRONT fields name message)
      string(REGEX REPLACE "_.*" "" command ${name})
      check(${name}_${target} ${SCRATCH}/stdout.txt "${message}${out}" ${command} ${fields})
      if(NOT IS_SYMLINK ${SCRATCH}/full OR IS_DIRECTORY ${SCRATCH}/file)
        message(FATAL_ERROR "${name}_${target} removed or changed what it could not write")
      endif()
    endforeach()
  endforeach()
  execute_process(COMMAND sh -c "test -c /dev/full" RESULT_VARIABLE device)
  if(NOT device EQUAL 0)
    message(FATAL_ERROR "/dev/full is no longer the device")
  endif()
endif()
