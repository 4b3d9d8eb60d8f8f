# Plays SCRIPT with vostrane-cli ui-script in SCRATCH (with copies of the LC and microstrip
# low-passes, the analyser example, the transformer circuit, the loose microstrip parts, and of
# the files FILES names, '|' separated, relative to ROOT), expects exit status EXIT (default 0),
# then appends the netlist of out.vqe when it was saved (a refused one as "netlist exit N" and
# its message), with SPICE set also its SPICE netlist, with RECORDS also the printable strings of
# its records (';'-separated), with GONE that the process whose id that file holds has ended;
# with SIMULATE what "vostrane-cli simulate" prints for that file of SCRATCH ("simulate exit N"
# and its message when it fails);
# then each file that OUTPUTS names ('|' separated) as "FILE:" and its lines, or "FILE fehlt";
# the output must match EXPECT and must not match REJECT.
# With FULL the script plays on a full disk: no file may grow (a zero file-size limit stands for
# it), or with LIMIT none beyond that many blocks of 512 bytes. The files FULL names ('|'
# separated) hold "vorher" before and must hold it afterwards, and no temporary file
# (".NAME.XXXXXX") may be left. The files READONLY names hold "vorher"
# without write permission (in a writable folder) and must hold it afterwards. DIRS names
# folders made where the script's program writes files ('|' separated), LINKS symbolic links
# made there ("NAME>TARGET", '|' separated).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/lc_lowpass.vqe ${ROOT}/examples/vna_lowpass.vqe
     ${ROOT}/tools/crosscheck/drawn/transformer.vqe
     ${ROOT}/examples/microstrip_lowpass.vqe ${ROOT}/app/cli/tests/ui/microstrip_parts.vqe
     DESTINATION ${SCRATCH})
string(REPLACE "|" ";" files "${FILES}")
foreach(f IN LISTS files)
  file(COPY ${ROOT}/${f} DESTINATION ${SCRATCH})
endforeach()
# What the program writes to its drive (the speaker's sound files) stays in the scratch folder.
set(ENV{VOSTRANE_DRIVE_ROOT} ${SCRATCH}/drive)
if(NOT DEFINED EXIT)
  set(EXIT 0)
endif()
set(player ${CLI})
string(REPLACE "|" ";" dirs "${DIRS}")
foreach(d IN LISTS dirs)
  file(MAKE_DIRECTORY ${SCRATCH}/${d})
endforeach()
string(REPLACE "|" ";" links "${LINKS}")
foreach(l IN LISTS links)
  string(REPLACE ">" ";" ends "${l}")
  list(GET ends 0 name)
  list(GET ends 1 target)
  file(CREATE_LINK ${target} ${SCRATCH}/${name} SYMBOLIC)
endforeach()
string(REPLACE "|" ";" locked "${READONLY}")
foreach(f IN LISTS locked)
  file(WRITE ${SCRATCH}/${f} "vorher\n")
  file(CHMOD ${SCRATCH}/${f} PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
  list(APPEND kept ${f})
endforeach()
if(DEFINED FULL)
  string(REPLACE "|" ";" full "${FULL}")
  foreach(f IN LISTS full)
    file(WRITE ${SCRATCH}/${f} "vorher\n")
  endforeach()
  list(APPEND kept ${full})
  if(NOT DEFINED LIMIT)
    set(LIMIT 0)
  endif()
  set(player sh -c "ulimit -f ${LIMIT} && exec \"$0\" \"$@\"" ${CLI})
endif()
execute_process(COMMAND ${player} ui-script ${SCRIPT} WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXIT)
  message(FATAL_ERROR "exit ${status}, expected ${EXIT}:\n${out}${err}")
endif()
foreach(f IN LISTS kept)
  file(READ ${SCRATCH}/${f} content)
  if(NOT content STREQUAL "vorher\n")
    message(FATAL_ERROR "${f} was changed: '${content}'")
  endif()
endforeach()
if(DEFINED FULL)
  file(GLOB_RECURSE files LIST_DIRECTORIES false ${SCRATCH}/*)
  set(c "[A-Za-z0-9]")
  list(FILTER files INCLUDE REGEX "/\\.[^/]+\\.${c}${c}${c}${c}${c}${c}$")
  if(files)
    message(FATAL_ERROR "temporary files left: ${files}")
  endif()
endif()
if(EXISTS ${SCRATCH}/out.vqe)
  execute_process(COMMAND ${CLI} netlist ${SCRATCH}/out.vqe OUTPUT_VARIABLE netlist
                  ERROR_VARIABLE refusal RESULT_VARIABLE refused)
  string(APPEND out "${netlist}")
  if(NOT refused EQUAL 0)
    string(APPEND out "netlist exit ${refused}: ${refusal}")
  endif()
  if(SPICE)
    set(ENV{SOURCE_DATE_EPOCH} 0)
    execute_process(COMMAND ${CLI} spice ${SCRATCH}/out.vqe OUTPUT_VARIABLE spice)
    string(APPEND out "${spice}")
  endif()
  if(RECORDS)
    file(STRINGS ${SCRATCH}/out.vqe records)
    string(APPEND out "${records}\n")
  endif()
endif()
if(DEFINED SIMULATE)
  execute_process(COMMAND ${CLI} simulate ${SCRATCH}/${SIMULATE} OUTPUT_VARIABLE result
                  ERROR_VARIABLE refusal RESULT_VARIABLE refused)
  string(APPEND out "${result}")
  if(NOT refused EQUAL 0)
    string(APPEND out "simulate exit ${refused}: ${refusal}")
  endif()
endif()
string(REPLACE "|" ";" outputs "${OUTPUTS}")
foreach(f IN LISTS outputs)
  if(EXISTS ${SCRATCH}/${f})
    file(READ ${SCRATCH}/${f} content)
    string(APPEND out "${f}:\n${content}")
  else()
    string(APPEND out "${f} fehlt\n")
  endif()
endforeach()
string(APPEND out "${err}")
# GONE names a file in which a program started by the played one left its process id: that
# process must have ended (a zombie waits only for its reaper).
# A program killed before it could write the file started nothing that could be left.
if(DEFINED GONE AND EXISTS ${SCRATCH}/${GONE})
  file(READ ${SCRATCH}/${GONE} pid)
  string(STRIP "${pid}" pid)
  # A killed process may take a moment to go on a busy machine.
  foreach(try RANGE 50)
    set(stat "")
    if(EXISTS /proc/${pid}/stat)
      file(READ /proc/${pid}/stat stat)
    endif()
    if(stat STREQUAL "" OR stat MATCHES "\\) Z")
      break()
    endif()
    execute_process(COMMAND sleep 0.1)
  endforeach()
  if(NOT stat STREQUAL "" AND NOT stat MATCHES "\\) Z")
    message(FATAL_ERROR "process ${pid} is still running: ${stat}")
  endif()
endif()
if(NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match '${EXPECT}':\n${out}")
endif()
if(DEFINED REJECT AND out MATCHES "${REJECT}")
  message(FATAL_ERROR "output matches '${REJECT}':\n${out}")
endif()
