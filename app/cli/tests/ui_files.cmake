# Files written from ui-script. Each row plays a script in SCRATCH (with copies of the example
# circuits; "file" is a file, so nothing can be written below it; the netlist and SPICE files
# of the copies are folders) and expects the exit status and the output. An answer is taken
# only by the action it stands before (save, open and print answer their own dialogs), and
# one left untaken is an error: no "victim" file is ever written. Then the LaTeX copy of the LC
# low-pass taken from the clipboard is the text alone, ready for TeX.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P ui_files.cmake

include(${CMAKE_CURRENT_LIST_DIR}/play.cmake)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/pi_section.net ${SCRATCH}/lc_lowpass.cir)
file(COPY ${ROOT}/examples/lc_lowpass.vqe ${ROOT}/examples/pi_section.vqe
     ${ROOT}/examples/vna_lowpass.vqe ${ROOT}/examples/microstrip_lowpass.vqe
     DESTINATION ${SCRATCH})
file(WRITE ${SCRATCH}/file "not a folder\n")

# Each row: name | exit status | script lines (';' separated) | output regex.
foreach(row
    "save|1|save file/x.vqe|Vostrane: Fehler beim Speichern der Datei [^\n]*/file/x.vqe\n"
    "print|1|open lc_lowpass.vqe;print file/x.pdf|Vostrane: Datei konnte nicht geschrieben werden: [^\n]*file/x.pdf\n"
    "export|1|open pi_section.vqe;menu \"&Bearbeiten/Netzwerk exportieren\"|Datei konnte nicht geschrieben werden: [^\n]*/pi_section.net\n"
    "spice|1|open lc_lowpass.vqe;menu \"&Bearbeiten/Spice-File erstellen\"|Datei konnte nicht geschrieben werden: [^\n]*/lc_lowpass.cir\n"
    "clipboard|1|open lc_lowpass.vqe;menu \"&Bearbeiten/ASCII-File erstellen\";clipboard file/x.txt|Datei konnte nicht geschrieben werden: file/x.txt\n"
    "png|1|png file/x.png|Datei konnte nicht geschrieben werden: file/x.png\n"
    "curve|1|open vna_lowpass.vqe;edit VNA1;window 132;click 1017;file file/x.kur;click 1026;end|^Fehler: Datei konnte nicht geschrieben werden: [^\n]*/file/x.kur\n$"
    "pictex|1|open vna_lowpass.vqe;edit VNA1;window 132;click 1017;dialog 230;file file/x.tex;ok;click 1025;end|^Fehler: Datei konnte nicht geschrieben werden: [^\n]*/file/x.tex\n$"
    "window_files|0|open vna_lowpass.vqe;edit VNA1;window 132;click 1017;file ok.kur;click 1026;dialog 230;file ok.tex;ok;click 1025;end|^$"
    "save_own|1|file victim.txt;save own.vqe|^Zeile 1: file victim.txt nicht benutzt\n$"
    "print_own|1|open lc_lowpass.vqe;file victim.txt;print own.pdf|^Zeile 2: file victim.txt nicht benutzt\n$"
    "not_before|1|open microstrip_lowpass.vqe;file victim.gbx;idle;dialog 163;ok;menu \"Service/Gerber-Plotdatei...\"|^Zeile 2: file victim.gbx nicht benutzt\n$"
    "unused|1|new;answer Yes;file victim.txt|^Zeile 2: answer Yes nicht benutzt\nZeile 3: file victim.txt nicht benutzt\n$"
    "written|0|open lc_lowpass.vqe;save ok.vqe;print ok.pdf;png ok.png|^$"
    "latex|0|open lc_lowpass.vqe;menu \"Service/Schaltung  --> Latex-File\";clipboard latex.tex|^Info: Schaltung als Latex-File im Clipboard\n$")
  string(REPLACE "|" ";" fields "${row}")
  list(POP_FRONT fields name exit)
  list(POP_BACK fields expect)
  string(REPLACE ";" "\n" script "${fields}")
  file(WRITE ${SCRATCH}/${name}.txt "${script}\n")
  expect_played(${name} ${exit} "${expect}")
endforeach()

file(GLOB victims ${SCRATCH}/victim*)
foreach(f IN ITEMS own.vqe own.pdf ok.kur ok.tex)
  if(NOT EXISTS ${SCRATCH}/${f})
    list(APPEND victims "${f} missing")
  endif()
endforeach()
if(victims)
  message(SEND_ERROR "answers went astray: ${victims}")
endif()

# The copy ends with the picture's last line, CR LF, and nothing else (no NUL for TeX to choke on).
file(READ ${SCRATCH}/latex.tex tail OFFSET 0 HEX)
string(LENGTH "${tail}" length)
math(EXPR from "${length} - 30")
string(SUBSTRING "${tail}" ${from} -1 tail)
# "\end{picture}\r\n"
if(NOT tail STREQUAL "5c656e647b706963747572657d0d0a")
  message(SEND_ERROR "the LaTeX copy ends in ${tail}")
endif()
