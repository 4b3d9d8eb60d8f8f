# A name with '\' is the file it names, for every command that reads it and every file written
# from it: the circuits lie in SCRATCH as "back\NAME", beside a folder "back" whose files are
# what a writer that took '\' for a separator would overwrite. The command line's writers and
# readers, and ui-script's save, netlist export, SPICE file (beside the circuit, and in a SPICE
# home given as a drive's path, which maps below the drive root while the circuit's name keeps
# its '\'), clipboard file, picture, print, Gerber export and curve file each write the file of
# the literal name; the folder's files stay as they were.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P backslash_names.cmake

include(${CMAKE_CURRENT_LIST_DIR}/play.cmake)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/back ${SCRATCH}/drive/Sim/back)
set(ENV{VOSTRANE_DRIVE_ROOT} ${SCRATCH}/drive)
foreach(pair pi_section:slash microstrip_lowpass:strip vna_lowpass:vna)
  string(REPLACE ":" ";" names ${pair})
  list(GET names 0 example)
  list(GET names 1 name)
  file(COPY_FILE ${ROOT}/examples/${example}.vqe "${SCRATCH}/back\\${name}.vqe")
endforeach()
set(written slash.net slash.png slash.pdf copy.vqe copy.net copy.cir clip.txt shot.png page.pdf
    stripTop.gbx s21.kur)
set(decoys)
foreach(name IN LISTS written)
  list(APPEND decoys back/${name})
endforeach()
list(APPEND decoys drive/Sim/back/copy.cir)
foreach(decoy IN LISTS decoys)
  file(WRITE ${SCRATCH}/${decoy} "decoy\n")
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/run_in_scratch.cmake)

set(circuit "back\\slash.vqe")
run(export 0 "^back\\\\slash\\.net\n$" export-netlist ${circuit})
run(netlist 0 "^\\*\nBLK\n" netlist ${circuit})
set(exported)
if(EXISTS "${SCRATCH}/back\\slash.net")
  file(READ "${SCRATCH}/back\\slash.net" exported)
endif()
if(NOT exported STREQUAL out)
  message(SEND_ERROR "the exported netlist is not the circuit's:\n${exported}")
endif()
run(render 0 "^$" render ${circuit} "back\\slash.png")
run(print 0 "^$" print ${circuit} "back\\slash.pdf")
run(latex 0 "\\\\begin{picture}" latex ${circuit})
run(spice 0 "^back_slash\\.vqe\n.*\n\\.end\n$" spice ${circuit})

string(CONCAT script
       "open back\\slash.vqe\n"
       "save back\\copy.vqe\n"
       "menu \"&Bearbeiten/Netzwerk exportieren\"\n"
       "menu \"&Bearbeiten/Spice-File erstellen\"\n"
       "menu \"&Bearbeiten/ASCII-File erstellen\"\n"
       "clipboard back\\clip.txt\n"
       "png back\\shot.png\n"
       "print back\\page.pdf\n"
       "dialog 251\n"
       "set 1206 C:\\Sim\\VosSpice.exe\n"
       "ok\n"
       "menu \"Analyse/Spice Simulator einstellen ...\"\n"
       "menu \"&Bearbeiten/Spice-File erstellen\"\n"
       "open back\\strip.vqe\n"
       "dialog 163\n"
       "ok\n"
       "file back\\strip.gbx\n"
       "menu \"Service/Gerber-Plotdatei...\"\n"
       "open back\\vna.vqe\n"
       "edit VNA1\n"
       "window 132\n"
       "  click 1017\n"
       "  file back\\s21.kur\n"
       "  click 1026\n"
       "end\n")
file(WRITE ${SCRATCH}/writers.txt "${script}")
expect_played(writers 0 "^Erzeugtes Netzwerk:: [^\n]*/back\\\\copy\\.net\n$")

set(missing)
foreach(name IN LISTS written)
  if(NOT EXISTS "${SCRATCH}/back\\${name}")
    list(APPEND missing "back\\${name}")
  endif()
endforeach()
if(NOT EXISTS "${SCRATCH}/drive/Sim/back\\copy.cir")
  list(APPEND missing "drive/Sim/back\\copy.cir")
endif()
if(missing)
  message(SEND_ERROR "not written: ${missing}")
endif()
foreach(decoy IN LISTS decoys)
  file(READ ${SCRATCH}/${decoy} kept)
  if(NOT kept STREQUAL "decoy\n")
    message(SEND_ERROR "${decoy} was overwritten")
  endif()
endforeach()
