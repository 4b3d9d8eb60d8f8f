# Every command checks what it writes. Standard output on the device that is always full: each
# command exits 1 with "Ausgabe konnte nicht geschrieben werden". Files on that device (through
# a link) and files whose folder is a file: exit 1 with the file's message, and the link, the
# device and the folder are as they were. On a full disk, or beyond a file-size limit, each
# command that writes a file exits 1 with the file's message, the file it would have replaced is
# as it was, and nothing is left beside it.
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

# check(NAME OUTPUT_FILE STDERR-REGEX ARGS...): exit 1 and the message, the command run by
# runner.
set(runner ${CLI})
function(check name output err_regex)
  execute_process(COMMAND ${runner} ${ARGN} RESULT_VARIABLE rc OUTPUT_FILE ${output}
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

# A file-size limit that lets no file grow (a full disk) or lets each grow to 512 bytes, less than
# any of these files needs but the exported netlist: the program fails the write as on a full
# disk, also one to standard output.
set(disk ${SCRATCH}/full_disk)
file(MAKE_DIRECTORY ${disk})
file(COPY ${ROOT}/examples/pi_section.vqe DESTINATION ${disk})
foreach(blocks 0 1)
  set(runner sh -c "ulimit -f ${blocks} && exec \"$0\" \"$@\"" ${CLI})
  foreach(row
      "render|Datei konnte nicht geschrieben werden: |out|${circuit};${disk}/out"
      "print|Datei konnte nicht geschrieben werden: |out|${circuit};${disk}/out"
      "plot_png|Bild konnte nicht geschrieben werden: |out|${curve};--diagram;6;--png;${disk}/out"
      "plot_pdf|Bild konnte nicht geschrieben werden: |out|${curve};--diagram;6;--pdf;${disk}/out"
      "plot_pictex|PicTex-Datei konnte nicht geschrieben werden: |out|${curve};--diagram;6;--pictex;${disk}/out"
      "render-dialog|Bild konnte nicht geschrieben werden: |out|262;${disk}/out"
      "export-netlist|Datei konnte nicht geschrieben werden: |pi_section.net|${disk}/pi_section.vqe")
    string(REPLACE "|" ";" fields "${row}")
    list(POP_FRONT fields name message kept)
    string(REGEX REPLACE "_.*" "" command ${name})
    if(blocks AND command STREQUAL "export-netlist")
      continue()
    endif()
    file(WRITE ${disk}/${kept} "vorher\n")
    check(full_${blocks}_${name} ${SCRATCH}/stdout.txt "${message}${disk}/${kept}" ${command}
          ${fields})
    file(READ ${disk}/${kept} content)
    file(GLOB left LIST_DIRECTORIES true ${disk}/*)
    list(LENGTH left files)
    if(NOT content STREQUAL "vorher\n" OR NOT files EQUAL 2)
      message(SEND_ERROR "full_${blocks}_${name}: ${kept} holds '${content}', the folder ${left}")
    endif()
    file(REMOVE ${disk}/${kept})
  endforeach()
  check(full_${blocks}_stdout ${SCRATCH}/stdout.txt "^Ausgabe konnte nicht geschrieben werden\n$"
        simulate ${ROOT}/examples/lc_lowpass.net)
endforeach()
