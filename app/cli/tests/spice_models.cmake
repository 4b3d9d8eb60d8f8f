# The SPICE file of a circuit never names a model that the circuit lacks: "spice" names every
# element whose model is not in the library (or that has no library) and prints nothing (exit 1).
# A diode whose library was deleted is its own values again, on both roads alike: its built-in
# line and its SPICE card carry the same IS, N and RS.
# The circuits are drawn here: a bipolar transistor, a junction FET, an op-amp and a diode with
# models of models.lib, whose library is then replaced by diodes.lib, then deleted; the diode
# of examples/diode_dc.vqe with a model of models.lib, whose library is then deleted.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P spice_models.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/app/cli/tests/ui/models.lib ${ROOT}/app/cli/tests/ui/diodes.lib
     ${ROOT}/examples/diode_dc.vqe DESTINATION ${SCRATCH})
file(WRITE ${SCRATCH}/draw.txt
     "dialog 251\nset 1206 /opt/spice/VosSpice.exe\nok\n"
     "menu \"Analyse/Spice Simulator einstellen ...\"\nmenu \"Analyse/Simulator/Spice\"\n"
     "element 50\nfile models.lib\ndrag 100 400 150 400\n"
     "element 19\ndialog 241\nselect 1182 BC547\nok\ndrag 100 100 100 200\n"
     "element 20\ndialog 258\nselect 1215 J310\nok\ndrag 300 100 300 200\n"
     "element 17\ndialog 241\nselect 1182 OPAMP1\nok\ndrag 500 100 600 100\n"
     "element 37\ndialog 250\nselect 1205 D1N4148\nok\ndrag 700 100 800 100\n"
     "click 125 400\nkey Delete\nelement 50\nfile diodes.lib\ndrag 100 500 150 500\n"
     "save other_library.vqe\nclick 125 500\nkey Delete\nsave no_library.vqe\n"
     "open diode_dc.vqe\nmenu \"Analyse/Simulator/Spice\"\n"
     "element 50\nfile models.lib\ndrag 100 500 150 500\n"
     "dialog 250\nselect 1205 D1N4148\nok\nedit D1\nclick 125 500\nkey Delete\n"
     "save diode_alone.vqe\n")
execute_process(COMMAND ${CLI} ui-script draw.txt WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ui-script: exit ${rc}\n${out}${err}")
endif()

# run(NAME EXIT STDOUT-REGEX STDERR-REGEX ARGS...): one command and what it must give.
function(run name exit out_regex err_regex)
  set(ENV{SOURCE_DATE_EPOCH} 0)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${SCRATCH} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL exit OR NOT out MATCHES "${out_regex}" OR NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "${name}: exit ${rc}, stderr '${err}', stdout:\n${out}")
  endif()
endfunction()

set(missing "QT1: Modell BC547 nicht in der Bibliothek\nJ1: Modell J310 nicht in der Bibliothek\nOP1: Modell OPAMP1 nicht in der Bibliothek\n")
run(other_library 1 "^$" "^${missing}D1: Modell D1N4148 nicht in der Bibliothek\n$"
    spice other_library.vqe)
run(no_library 1 "^$" "^${missing}$" spice no_library.vqe)

run(diode_netlist 0 "\nHLD 2 IS = 10fA NE = 1 RS = 0ohm\n" "^$" netlist diode_alone.vqe)
run(diode_spice 0 "\nD1 2 0 D1_MOD\n.*\n\\.MODEL D1_MOD D \\(IS=10F N=1 RS=0 " "^$"
    spice diode_alone.vqe)
