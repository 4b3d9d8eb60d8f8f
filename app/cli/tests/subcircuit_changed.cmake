# A sub-circuit's circuit file is checked again wherever a netlist is built, as choosing it was
# checked: a two-pin sub-circuit whose file became one of three, one or no external nodes, went
# missing, was damaged, became a folder, or now uses the circuit itself, refuses "netlist",
# "export-netlist" (no file written), "spice" and the desktop's "Netzwerk exportieren", each
# naming the sub-circuit and its file, with exit 1. The file as chosen is taken before and after.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P subcircuit_changed.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY_FILE ${ROOT}/examples/pi_section.vqe ${SCRATCH}/two.vqe)
file(COPY_FILE ${ROOT}/examples/pi_section.vqe ${SCRATCH}/part.vqe)
file(WRITE ${SCRATCH}/draw.txt
     "element 36\ndrag 100 100 50 100\nelement 35\nfile part.vqe\ndrag 100 100 200 100\n"
     "element 36\ndrag 200 100 250 100\nsave outer.vqe\nnew\n"
     "element 36\ndrag 100 100 50 100\nelement 36\ndrag 100 200 50 200\n"
     "element 36\ndrag 100 300 50 300\ndialog 201\nok\nelement 4\ndrag 100 100 100 200\n"
     "dialog 201\nok\nelement 4\ndrag 100 200 100 300\nsave three.vqe\nnew\n"
     "element 36\ndrag 100 100 50 100\ndialog 201\nok\nelement 4\ndrag 100 100 200 100\n"
     "element 1\ndrag 200 100 200 150\nsave one.vqe\n")
file(WRITE ${SCRATCH}/export.txt "open outer.vqe\nmenu \"&Bearbeiten/Netzwerk exportieren\"\n")
execute_process(COMMAND ${CLI} ui-script draw.txt WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${rc}\n${out}${err}")
endif()

# command(NAME ARGS...): exit status, stdout and stderr of one command in SCRATCH.
macro(command name)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

command(taken netlist outer.vqe)
if(NOT rc EQUAL 0 OR NOT out MATCHES "\npart 1 0\n")
  message(FATAL_ERROR "the file as chosen: exit ${rc}, stderr '${err}', stdout:\n${out}")
endif()

# Each row: the change | the message. SPICE writes no sub-circuit, so it checks the file's pins
# but builds no netlist of it: a file that uses the circuit is no fault there.
set(file ${SCRATCH}/part.vqe)
set(named "Teilschaltung Cmp2 (${file})")
set(rows "${SCRATCH}/three.vqe|${named} hat 3 statt 2 Anschlüsse" "${SCRATCH}/one.vqe|${named} hat 1 statt 2 Anschlüsse"
    "${ROOT}/examples/resonator.vqe|${named} hat 0 statt 2 Anschlüsse"
    "missing|${named}: Datei kann nicht geöffnet werden: ${file}"
    "damaged|${named}: Datei ist beschädigt: ${file}"
    "folder|${named}: Keine Datei: ${file}"
    "${SCRATCH}/outer.vqe|Schaltung verwendet sich selbst: part")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 change)
  list(GET fields 1 message)
  file(REMOVE_RECURSE ${file} ${SCRATCH}/outer.net)
  if(change STREQUAL "damaged")
    file(WRITE ${file} "kein Schaltplan\n")
  elseif(change STREQUAL "folder")
    file(MAKE_DIRECTORY ${file})
  elseif(NOT change STREQUAL "missing")
    file(COPY_FILE ${change} ${file})
  endif()
  foreach(args "netlist;outer.vqe" "export-netlist;outer.vqe" "ui-script;export.txt"
          "spice;outer.vqe")
    command(${change} ${args})
    string(FIND "${err}" "${message}\n" at)
    if(args MATCHES "^spice" AND change MATCHES "outer\\.vqe$")
      set(at 0)
    endif()
    if(NOT rc EQUAL 1 OR NOT at EQUAL 0 OR EXISTS ${SCRATCH}/outer.net
       OR (NOT args MATCHES "^spice" AND NOT err STREQUAL "${message}\n"))
      message(SEND_ERROR "${change}, ${args}: exit ${rc}, expected 1 and '${message}':\n${err}")
    endif()
  endforeach()
endforeach()

file(REMOVE_RECURSE ${file})
file(COPY_FILE ${SCRATCH}/two.vqe ${file})
command(taken_again netlist outer.vqe)
if(NOT rc EQUAL 0)
  message(SEND_ERROR "the file as chosen again: exit ${rc}, stderr '${err}'")
endif()
