# One network name, one file: a circuit holding two files "part.vqe" of two folders (a 33 ohm
# and a 100 ohm series resistor), and a circuit saved as "part.vqe" that holds one of them, are
# refused by "netlist", "export-netlist" (no file written), the clipboard's netlist (nothing
# copied) and the analyser's run in ui-script, each with one message naming both files and
# exit 1. One file used directly and inside another sub-circuit is one network: written once,
# the netlist simulates as the three resistors in series.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P subcircuit_files.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/a ${SCRATCH}/b ${SCRATCH}/c)
set(S ${SCRATCH})
# A resistor of the value between two external nodes, saved as the file.
function(series value file)
  string(APPEND script "new\nelement 36\ndrag 100 100 50 100\nelement 4\ndialog 201\n"
         "set 1116 ${value}\nok\ndrag 100 100 200 100\nelement 36\ndrag 200 100 250 100\n"
         "save ${file}\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()
# Two sub-circuits in series between two external nodes, saved as the file.
function(holding first second file)
  string(APPEND script "new\nelement 36\ndrag 100 100 50 100\nelement 35\nfile ${first}\n"
         "drag 100 100 200 100\nelement 35\nfile ${second}\ndrag 200 100 300 100\n"
         "element 36\ndrag 300 100 350 100\nsave ${file}\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()
set(script "")
series(33ohm ${S}/a/part.vqe)
series(100ohm ${S}/b/part.vqe)
holding(${S}/a/part.vqe ${S}/b/part.vqe ${S}/both.vqe)
holding(${S}/b/part.vqe ${S}/b/part.vqe ${S}/part.vqe)
holding(${S}/a/part.vqe ${S}/a/part.vqe ${S}/c/twice.vqe)
holding(${S}/a/part.vqe ${S}/c/twice.vqe ${S}/once.vqe)
file(WRITE ${S}/draw.txt "${script}")
execute_process(COMMAND ${CLI} ui-script draw.txt WORKING_DIRECTORY ${S}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${rc}\n${out}${err}")
endif()

macro(command)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${S} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

# Each row: the circuit | the first file | the second file.
set(refused "both|${S}/a/part.vqe|${S}/b/part.vqe" "part|${S}/part.vqe|${S}/b/part.vqe")
foreach(row IN LISTS refused)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 circuit)
  list(GET fields 1 first)
  list(GET fields 2 second)
  set(message "Zwei Dateien ergeben das Netzwerk part: ${first} und ${second}, eine davon "
              "umbenennen\n")
  string(JOIN "" message ${message})
  file(WRITE ${S}/clip.txt "open ${circuit}.vqe\nmenu \"&Bearbeiten/ASCII-File erstellen\"\n"
             "clipboard copied.txt\n")
  file(WRITE ${S}/run.txt "open ${circuit}.vqe\nmenu \"&Elemente/Netzwerkanalysator\"\n"
             "drag 100 400 200 400\nedit VNA1\nwindow 132\n  click 1017\n  click 1\nend\n")
  foreach(road "netlist;${circuit}.vqe" "export-netlist;${circuit}.vqe" "ui-script;clip.txt"
          "ui-script;run.txt")
    file(REMOVE ${S}/${circuit}.net ${S}/copied.txt)
    command(${road})
    # Once; the clipboard's road adds the menu command's general failure and the empty
    # clipboard's, as for every refusal there.
    string(REPLACE "${message}" "" rest "${err}")
    string(LENGTH "${err}" with)
    string(LENGTH "${message}${rest}" once)
    if(NOT rc EQUAL 1 OR NOT with EQUAL once OR out MATCHES "BLK" OR EXISTS ${S}/${circuit}.net
       OR EXISTS ${S}/copied.txt
       OR NOT rest MATCHES
          "^(Datei konnte nicht geschrieben werden: copied.txt\n)?(Default Error\n)?$")
      message(SEND_ERROR "${road}: exit ${rc}, expected 1 and '${message}' alone:\n${err}\n${out}")
    endif()
  endforeach()
endforeach()

command(netlist once.vqe)
string(REGEX MATCHALL "\npart: " definitions "${out}")
list(LENGTH definitions count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "one file at two levels: exit ${rc}, ${count} definitions\n${err}${out}")
endif()
set(sweep "FREQ\nFSTEP 1GHz 3 3GHz\nEND\n")
file(WRITE ${S}/once.net "${out}${sweep}")
file(WRITE ${S}/hand.net "*\nBLK\nRES 1 R = 99ohm\nonce: 1POR 1\nEND\n${sweep}")
command(simulate once.net)
set(nested "${out}")
command(simulate hand.net)
if(NOT nested STREQUAL out OR NOT out MATCHES "\\* once: S\n1 ")
  message(FATAL_ERROR "one file at two levels:\n${nested}\nthe resistors by hand:\n${out}")
endif()
