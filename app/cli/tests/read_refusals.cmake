# Files that are no regular file or larger than their kind can hold are refused at once with
# their message, never read: a FIFO without a writer (open() would wait for one), /dev/zero
# (never ends), a folder and an 8 GB sparse file, for each command that reads a file. A read
# that fails is reported as one, not taken for the file's end: /proc/self/mem is a regular file
# whose reads fail where nothing is mapped (EIO at 0), as a disk fails at a bad block; so is
# one that a reader trusting the file's size (0 there) never began to read. Each refusal is the
# one message, its reason. An unreadable script is a bad script (exit 2). Inside
# ui-script, the same files opened as circuits, loaded as the analyser's curve, as a data
# two-port's data, as a sub-circuit's netlist and as the audio source's recording give their
# message once (a box, or the error window), and the script's exit is 1.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P read_refusals.cmake

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
set(fifo ${SCRATCH}/fifo)
set(sparse ${SCRATCH}/sparse)
set(folder ${SCRATCH}/folder)
set(mem /proc/self/mem)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND mkfifo ${fifo} RESULT_VARIABLE rc)
execute_process(COMMAND truncate -s 8G ${sparse} RESULT_VARIABLE rc2)
if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "no FIFO (${rc}) or sparse file (${rc2}) in ${SCRATCH}")
endif()

# Each row: command | exit status | the file | its message.
set(rows)
# A file that tells no size (as those of /proc) is read only up to the bound: a script of more
# than 1 MiB, where the system has one.
if(EXISTS /proc/kallsyms)
  file(READ /proc/kallsyms head LIMIT 1048577)
  string(LENGTH "${head}" length)
  if(length GREATER 1048576)
    list(APPEND rows "ui-script|2|/proc/kallsyms|Datei zu groß: /proc/kallsyms")
  endif()
endif()
foreach(command simulate:1 netlist:1 plot:1 ui-script:2)
  string(REPLACE ":" ";" fields ${command})
  list(GET fields 0 name)
  list(GET fields 1 status)
  list(APPEND rows "${name}|${status}|${fifo}|Keine Datei: ${fifo}"
       "${name}|${status}|/dev/zero|Keine Datei: /dev/zero"
       "${name}|${status}|${folder}|Keine Datei: ${folder}"
       "${name}|${status}|${sparse}|Datei zu groß: ${sparse}")
endforeach()
list(APPEND rows "simulate|1|${mem}|Lesefehler: ${mem}" "plot|1|${mem}|Lesefehler: ${mem}"
     "ui-script|2|${mem}|Lesefehler: ${mem}")
# Every command that reads a circuit; a fifth field is what follows the file.
foreach(command netlist export-netlist spice latex render:out.png print:out.pdf)
  string(REPLACE ":" ";" command ${command})
  list(POP_FRONT command name)
  set(row "${name}|1|${mem}|Lesefehler: ${mem}")
  if(command)
    string(APPEND row "|${command}")
  endif()
  list(APPEND rows "${row}")
endforeach()
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 command)
  set(after)
  list(LENGTH fields count)
  if(count GREATER 4)
    list(GET fields 4 after)
  endif()
  list(GET fields 1 expected)
  list(GET fields 2 path)
  list(GET fields 3 message)
  execute_process(COMMAND ${CLI} ${command} ${path} ${after} WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  if(NOT rc STREQUAL expected OR NOT err STREQUAL "${message}\n")
    message(SEND_ERROR
            "${command} ${path}: exit ${rc}, expected ${expected} and '${message}' alone:\n${err}")
  endif()
endforeach()

# Plays the script of these lines in SCRATCH: exit 1, the boxes on standard output, the error
# window's messages on standard error.
function(expect_played name script boxes errors)
  file(WRITE ${SCRATCH}/${name}.txt "${script}")
  execute_process(COMMAND ${CLI} ui-script ${name}.txt WORKING_DIRECTORY ${SCRATCH}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  if(NOT rc EQUAL 1 OR NOT out STREQUAL boxes OR NOT err STREQUAL errors)
    message(SEND_ERROR "ui-script ${name}: exit ${rc}, expected 1 and\n${boxes}${errors}got\n"
                       "${out}${err}")
  endif()
endfunction()

file(COPY ${ROOT}/examples/vna_lowpass.vqe DESTINATION ${SCRATCH})
string(CONCAT script "open fifo.vqe\nopen sparse.vqe\nopen folder.vqe\nopen mem.vqe\n"
       "open vna_lowpass.vqe\nedit VNA1\nwindow 132\n")
foreach(kind fifo sparse folder mem)
  set(to ${${kind}})
  foreach(extension vqe kur s2p net)
    file(CREATE_LINK ${to} ${SCRATCH}/${kind}.${extension} SYMBOLIC)
  endforeach()
  string(APPEND script "  file ${kind}.kur\n  click 1027\n")
endforeach()
string(APPEND script "  click 1\nend\n")
foreach(element 15:s2p 35:net)
  string(REPLACE ":" ";" fields ${element})
  list(GET fields 0 number)
  list(GET fields 1 extension)
  string(APPEND script "element ${number}\n")
  foreach(kind fifo sparse folder mem)
    string(APPEND script "file ${kind}.${extension}\ndrag 100 100 200 100\n")
  endforeach()
endforeach()
string(CONCAT boxes "Vostrane: Keine Datei: ${SCRATCH}/fifo.vqe\n"
       "Vostrane: Datei zu groß: ${SCRATCH}/sparse.vqe\n"
       "Vostrane: Keine Datei: ${SCRATCH}/folder.vqe\n"
       "Vostrane: Lesefehler: ${SCRATCH}/mem.vqe\n"
       "Fehler: Keine Datei: ${SCRATCH}/fifo.kur\n"
       "Fehler: Datei zu groß: ${SCRATCH}/sparse.kur\n"
       "Fehler: Keine Datei: ${SCRATCH}/folder.kur\n"
       "Fehler: Lesefehler: ${SCRATCH}/mem.kur\n")
set(errors)
foreach(extension s2p net)
  string(APPEND errors "Keine Datei: ${SCRATCH}/fifo.${extension}\n"
         "Datei zu groß: ${SCRATCH}/sparse.${extension}\n"
         "Keine Datei: ${SCRATCH}/folder.${extension}\n"
         "Lesefehler: ${SCRATCH}/mem.${extension}\n")
endforeach()
expect_played(refusals "${script}" "${boxes}" "${errors}")

# The recording lies beside its circuit: one circuit in a folder of each kind of file. A
# refusal is the script's failure, the box of a broken recording does not follow it.
set(script)
set(errors)
foreach(kind fifo sparse folder mem)
  set(to ${${kind}})
  file(MAKE_DIRECTORY ${SCRATCH}/tape_${kind})
  file(COPY ${ROOT}/examples/tape_rc.vqe DESTINATION ${SCRATCH}/tape_${kind})
  file(CREATE_LINK ${to} ${SCRATCH}/tape_${kind}/tape.wav SYMBOLIC)
  string(APPEND script "open ${SCRATCH}/tape_${kind}/tape_rc.vqe\nedit Tape1\n")
endforeach()
string(CONCAT errors "Keine Datei: ${SCRATCH}/tape_fifo/tape.wav\n"
       "Datei zu groß: ${SCRATCH}/tape_sparse/tape.wav\n"
       "Keine Datei: ${SCRATCH}/tape_folder/tape.wav\n"
       "Lesefehler: ${SCRATCH}/tape_mem/tape.wav\n")
expect_played(recordings "${script}" "" "${errors}")
file(REMOVE_RECURSE ${SCRATCH})
