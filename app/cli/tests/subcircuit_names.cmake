# Any name is taken: the words the reader treats specially (its block keywords, the keyword
# that builds no element, an element keyword), each in three cases, as the title of a
# sub-circuit file and as the name of the substrate inside it (where the substrate dialog takes
# it), which the circuit that uses it has too. Every netlist that writes them ("netlist", "export-netlist", the clipboard's and the
# analyser's run) is read back by "simulate" as the sub-circuit's own export reads alone: the
# resistor of the sub-circuit between the outer circuit's ports.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P subcircuit_names.cmake

file(REMOVE_RECURSE ${SCRATCH})
set(S ${SCRATCH})
set(words BLK Blk blk DATA Data data FREQ Freq freq END End end OUT Out out IQU Iqu iqu RES Res
          res)
set(sweep "FREQ\nFSTEP 1GHz 3 3GHz\nEND\n")

macro(command)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${S} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
endmacro()

# A substrate of the name (placed away from the parts).
function(substrate name)
  string(APPEND script "element 21\ndialog 209\nset 1121 ${name}\nok\ndrag 100 300 150 300\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()

set(script "")
set(ohm 20)
foreach(word IN LISTS words)
  file(MAKE_DIRECTORY ${S}/${word})
  # The sub-circuit: a resistor between two external nodes, and the substrate.
  math(EXPR ohm "${ohm} + 7")
  string(APPEND script "new\nelement 36\ndrag 100 100 50 100\nelement 4\ndialog 201\n"
         "set 1116 ${ohm}ohm\nok\ndrag 100 100 200 100\nelement 36\ndrag 200 100 250 100\n")
  # A keyword of element lines is no substrate's name (its dialog refuses it).
  set(name ${word})
  if(word STREQUAL "RES" OR word STREQUAL "IQU")
    set(name Sub)
  endif()
  substrate(${name})
  string(APPEND script "save ${S}/${word}/${word}.vqe\n")
  # The circuit that uses it between its two external nodes, with a substrate of that name.
  string(APPEND script "new\nelement 36\ndrag 100 100 50 100\nelement 35\nfile ${S}/${word}/${word}.vqe\n"
         "drag 100 100 200 100\nelement 36\ndrag 200 100 250 100\n")
  substrate(${name})
  string(APPEND script "save ${S}/${word}/outer.vqe\n")
endforeach()
file(WRITE ${S}/draw.txt "${script}")
command(ui-script draw.txt)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${rc}\n${out}${err}")
endif()

foreach(word IN LISTS words)
  # The sub-circuit's network alone, as the outer circuit's port line would name it.
  command(export-netlist ${word}/${word}.vqe)
  file(READ ${S}/${word}/${word}.net alone)
  file(WRITE ${S}/${word}/alone.net "${alone}${sweep}")
  command(simulate ${word}/alone.net)
  string(REGEX REPLACE "^.*\n\\* [^\n]*: S\n" "" expected "${out}")
  if(NOT rc EQUAL 0 OR expected STREQUAL "")
    message(SEND_ERROR "${word}: the sub-circuit alone: exit ${rc}\n${err}${out}")
    continue()
  endif()

  command(netlist ${word}/outer.vqe)
  set(printed "${out}")
  command(export-netlist ${word}/outer.vqe)
  file(READ ${S}/${word}/outer.net exported)
  file(WRITE ${S}/${word}/clip.txt "open ${S}/${word}/outer.vqe\n"
             "menu \"&Bearbeiten/ASCII-File erstellen\"\nclipboard ${S}/${word}/copied.txt\n")
  command(ui-script ${word}/clip.txt)
  file(READ ${S}/${word}/copied.txt copied)
  if(NOT printed STREQUAL exported OR NOT copied STREQUAL exported)
    message(SEND_ERROR "${word}: netlist, export and clipboard differ:\n${printed}\n${exported}\n${copied}")
  endif()
  file(WRITE ${S}/${word}/outer_swept.net "${exported}${sweep}")
  command(simulate ${word}/outer_swept.net)
  string(REGEX REPLACE "^.*\n\\* [^\n]*: S\n" "" got "${out}")
  if(NOT rc EQUAL 0 OR NOT got STREQUAL expected)
    message(SEND_ERROR "${word}: exit ${rc}, expected the sub-circuit's\n${expected}\n"
                       "the outer circuit's netlist\n${exported}\ngives\n${err}${out}")
  endif()

  # The analyser's run builds the same netlist: the sub-circuit between its ports.
  file(WRITE ${S}/${word}/run.txt "element 31\ndrag 100 50 200 50\nelement 35\n"
             "file ${S}/${word}/${word}.vqe\ndrag 100 100 300 100\nelement 0\n"
             "drag 100 50 100 100\ndrag 200 50 300 50\ndrag 300 50 300 100\nedit VNA1\n"
             "window 132\n  click 1017\n  screen\nend\n")
  command(ui-script ${word}/run.txt)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "\nKurven\t1\n" OR NOT err STREQUAL "")
    message(SEND_ERROR "${word}: the analyser's run: exit ${rc}\n${err}${out}")
  endif()
endforeach()
