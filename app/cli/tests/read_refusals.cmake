# Files that are no regular file or larger than their kind can hold are refused at once with
# their message, never read: a FIFO without a writer (open() would wait for one), /dev/zero
# (never ends) and an 8 GB sparse file, for each command that reads a file. An unreadable
# script is a bad script (exit 2). Inside ui-script, the same files opened as circuits and loaded
# as the analyser's curve give their message in the box.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P read_refusals.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(fifo ${SCRATCH}/fifo)
set(sparse ${SCRATCH}/sparse)
execute_process(COMMAND mkfifo ${fifo} RESULT_VARIABLE rc)
execute_process(COMMAND truncate -s 8G ${sparse} RESULT_VARIABLE rc2)
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "no FIFO (${rc}) or sparse file (${rc2}) in ${SCRATCH}")
endif()

# A file that tells no size (as those of /proc) is read only up to the bound: a script of more
# than 1 MiB, where the system has one.
set(unsized)
if(EXISTS /proc/kallsyms)
  file(READ /proc/kallsyms head LIMIT 1048577)
  string(LENGTH "${head}" length)
  if(length GREATER 1048576)
    set(unsized "ui-script|2|/proc/kallsyms|Datei zu groß: /proc/kallsyms")
  endif()
endif()

# Each row: command | exit status | the file | its message.
foreach(row ${unsized}
    "simulate|1|${fifo}|Keine Datei: ${fifo}"
    "simulate|1|/dev/zero|Keine Datei: /dev/zero"
    "simulate|1|${sparse}|Datei zu groß: ${sparse}"
    "netlist|1|${fifo}|Keine Datei: ${fifo}"
    "netlist|1|/dev/zero|Keine Datei: /dev/zero"
    "netlist|1|${sparse}|Datei zu groß: ${sparse}"
    "plot|1|${fifo}|Keine Datei: ${fifo}"
    "plot|1|/dev/zero|Keine Datei: /dev/zero"
    "plot|1|${sparse}|Datei zu groß: ${sparse}"
    "ui-script|2|${fifo}|Keine Datei: ${fifo}"
    "ui-script|2|/dev/zero|Keine Datei: /dev/zero"
    "ui-script|2|${sparse}|Datei zu groß: ${sparse}")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 command)
  list(GET fields 1 expected)
  list(GET fields 2 path)
  list(GET fields 3 message)
  execute_process(COMMAND ${CLI} ${command} ${path} WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(FIND "${err}" "${message}" at)
  if(NOT rc STREQUAL expected OR at LESS 0)
    message(SEND_ERROR
            "${command} ${path}: exit ${rc}, expected ${expected} and '${message}':\n${err}")
  endif()
endforeach()

file(COPY ${ROOT}/examples/vna_lowpass.vqe DESTINATION ${SCRATCH})
foreach(kind vqe kur)
  file(CREATE_LINK ${fifo} ${SCRATCH}/fifo.${kind} SYMBOLIC)
  file(CREATE_LINK ${sparse} ${SCRATCH}/sparse.${kind} SYMBOLIC)
endforeach()
file(WRITE ${SCRATCH}/refusals.txt "open fifo.vqe\nopen sparse.vqe\nopen vna_lowpass.vqe\n"
     "edit VNA1\nwindow 132\n  file fifo.kur\n  click 1027\n  file sparse.kur\n  click 1027\n"
     "  click 1\nend\n")
execute_process(COMMAND ${CLI} ui-script refusals.txt WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
string(CONCAT expected "Vostrane: Keine Datei: ${SCRATCH}/fifo.vqe\n"
       "Vostrane: Datei zu groß: ${SCRATCH}/sparse.vqe\n"
       "Fehler: Keine Datei: ${SCRATCH}/fifo.kur\n"
       "Fehler: Datei zu groß: ${SCRATCH}/sparse.kur\n")
if(NOT rc EQUAL 1 OR NOT out STREQUAL expected)
  message(SEND_ERROR "ui-script: exit ${rc}, expected 1 and\n${expected}got\n${out}${err}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
