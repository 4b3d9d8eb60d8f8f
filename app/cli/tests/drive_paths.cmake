# A drive's path names one file everywhere, the file below the drive root: for the command
# line's readers and writers and for ui-script's file dialogs (open, save, and the files of the
# Gerber export, the analyser's curve and PiCTeX picture, the data two-port and the sub-circuit),
# with ".." stopping at the drive's root. A circuit's title is its file's own name however the
# path is spelt: the exported netlist lies beside the circuit under its name, the network is
# named after it. The decoys are what a program that took the path for a name in the working
# folder, kept its folders in the title or climbed above the root would write; they stay.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P drive_paths.cmake

include(${CMAKE_CURRENT_LIST_DIR}/play.cmake)

file(REMOVE_RECURSE ${SCRATCH})
set(drive ${SCRATCH}/a/drive)
foreach(folder x proj.v2 strip vna gerber curves pictex data sub out)
  file(MAKE_DIRECTORY ${drive}/${folder})
endforeach()
set(ENV{VOSTRANE_DRIVE_ROOT} ${drive})
file(COPY_FILE ${ROOT}/examples/pi_section.vqe ${drive}/proj.v2/amp.vqe)
file(COPY_FILE ${ROOT}/examples/pi_section.vqe ${drive}/x/y.vqe)
file(COPY_FILE ${ROOT}/examples/microstrip_lowpass.vqe ${drive}/strip/strip.vqe)
file(COPY_FILE ${ROOT}/examples/vna_lowpass.vqe ${drive}/vna/vna.vqe)
file(COPY_FILE ${ROOT}/app/cli/tests/data/mhz_db.s2p ${drive}/data/mhz_db.s2p)
file(COPY_FILE ${ROOT}/examples/resonator_twoport.vqe ${drive}/sub/resonator_twoport.vqe)
set(decoys a/drive/proj.net out.png "C:\\x\\..\\x\\z.vqe" "C:\\gerber\\boardTop.gbx"
    "C:\\curves\\s21.kur" "C:\\pictex\\s21.tex" "C:\\out\\both.vqe")
foreach(decoy IN LISTS decoys)
  file(WRITE "${SCRATCH}/${decoy}" "decoy\n")
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/run_in_scratch.cmake)

set(amp "C:\\proj.v2\\amp.vqe")
run(export 0 "^/[^\n]*/a/drive/proj\\.v2/amp\\.net\n$" export-netlist ${amp})
run(netlist 0 "\namp: 2POR 1 2 \n" netlist ${amp})
set(drive_netlist "${out}")
run(plain_netlist 0 "" netlist a/drive/proj.v2/amp.vqe)
if(NOT drive_netlist STREQUAL out)
  message(SEND_ERROR "the drive's path names another network:\n${drive_netlist}")
endif()
run(spice 0 "^amp\\.vqe\n" spice ${amp})
run(render 0 "^$" render "C:\\x\\y.vqe" "C:\\..\\..\\out.png")

string(CONCAT script
       "open C:\\x\\y.vqe\n"
       "save C:\\x\\..\\x\\z.vqe\n"
       "menu \"&Bearbeiten/Netzwerk exportieren\"\n"
       "open C:\\strip\\strip.vqe\n"
       "dialog 163\n"
       "ok\n"
       "file C:\\gerber\\board.gbx\n"
       "menu \"Service/Gerber-Plotdatei...\"\n"
       "open C:\\vna\\vna.vqe\n"
       "edit VNA1\n"
       "window 132\n"
       "  click 1017\n"
       "  file C:\\curves\\s21.kur\n"
       "  click 1026\n"
       "  file C:\\..\\curves\\s21.kur\n"
       "  click 1027\n"
       "  dialog 230\n"
       "  file C:\\pictex\\s21.tex\n"
       "  ok\n"
       "  click 1025\n"
       "end\n"
       "new\n"
       "element 36\n"
       "drag 100 100 50 100\n"
       "element 15\n"
       "file C:\\data\\mhz_db.s2p\n"
       "drag 100 100 200 100\n"
       "element 35\n"
       "file C:\\sub\\resonator_twoport.vqe\n"
       "drag 200 100 300 100\n"
       "element 36\n"
       "drag 300 100 350 100\n"
       "save C:\\out\\both.vqe\n")
file(WRITE ${SCRATCH}/dialogs.txt "${script}")
expect_played(dialogs 0 "^Erzeugtes Netzwerk:: /[^\n]*/a/drive/x/z\\.net\n$")
run(placed 0 "\nTWO [0-9 ]+ Cmp2\nresonator_twoport [0-9 ]+\n.*\nDATA\nCmp2:  S 5\n" netlist
    "C:\\out\\both.vqe")

# A circuit opened again by another spelling of its path, a drive's or a plain one with "." and
# "..", is the circuit already open: the third close finds none (the start's new circuit is the
# other). A name ending in a folder names that folder: its save fails, no hidden ".vqe" is made.
file(WRITE ${SCRATCH}/spellings.txt
     "open C:\\x\\y.vqe\n"
     "open ./y.vqe\n"
     "open ../x/./y.vqe\n"
     "open C:\\..\\x\\y.vqe\n"
     "close\nclose\nclose\n"
     "open C:\\x\\y.vqe\n"
     "save C:\n"
     "save C:\\x\\\n")
expect_played(spellings 1 "^gesperrt: &Datei/&Schließen\nVostrane: Fehler beim Speichern der Datei [^\n]*/a/drive/\nVostrane: Fehler beim Speichern der Datei [^\n]*/a/drive/x/\n$")
foreach(hidden .vqe x/.vqe)
  if(EXISTS ${drive}/${hidden})
    message(SEND_ERROR "a folder's name made ${hidden}")
  endif()
endforeach()

set(missing)
foreach(name out.png proj.v2/amp.net x/z.vqe x/z.net gerber/boardTop.gbx
        curves/s21.kur pictex/s21.tex out/both.vqe)
  if(NOT EXISTS ${drive}/${name})
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(SEND_ERROR "not written below the drive root: ${missing}")
endif()
foreach(decoy IN LISTS decoys)
  file(READ "${SCRATCH}/${decoy}" kept)
  if(NOT kept STREQUAL "decoy\n")
    message(SEND_ERROR "${decoy} was overwritten")
  endif()
endforeach()
