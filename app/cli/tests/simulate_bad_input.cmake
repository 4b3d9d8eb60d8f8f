# Runs "vostrane-cli simulate" on every netlist (*.net) of the directories in DIRS ('|'
# separated). A netlist may state its outcome in leading comment lines
#   * expect-exit: 1
#   * expect-message: Kopplung muss kleiner als 1 sein
# (each message must occur in standard error). err_*.net must exit 1 with messages, and the
# reader's own failures (err_rd_*) print nothing; any other netlist exits 0 or 1, never crashes
# or hangs. No standard output holds nan or inf.
# With SCRATCH (a writable directory) also: bad command lines exit 2; a missing file, /dev/zero
# and an 8 GB sparse file exit 1 at once with their one message. CORPUS names the netlist used on
# the bad command lines.
# cmake -DCLI=... -DDIRS=dir|dir [-DSCRATCH=dir -DCORPUS=dir] -P simulate_bad_input.cmake

# A file that keeps the reader busy or kills it fails here rather than stalling the suite.
set(timeout 60)

# Exit status, standard output and standard error of "simulate ARGS" into rc, out and err.
macro(simulate)
  execute_process(COMMAND ${CLI} simulate ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT ${timeout})
endmacro()

# The file is refused with exit 1 and the one message given, or "Netzliste kann nicht gelesen
# werden" for a file that does not open.
function(expect_refused path)
  set(message "Netzliste kann nicht gelesen werden: ${path}")
  if(ARGC GREATER 1)
    set(message "${ARGV1}")
  endif()
  simulate(${path})
  if(NOT rc EQUAL 1 OR NOT err STREQUAL "${message}\n")
    message(SEND_ERROR "${path}: exit ${rc}, messages '${err}', expected '${message}' alone")
  endif()
endfunction()

string(REPLACE "|" ";" dirs "${DIRS}")
foreach(dir IN LISTS dirs)
  file(GLOB netlists ${dir}/*.net)
  foreach(netlist IN LISTS netlists)
    get_filename_component(name ${netlist} NAME)
    simulate(${netlist})
    set(expected_exit)
    set(expected_messages)
    file(STRINGS ${netlist} header REGEX "^\\* expect-")
    foreach(line IN LISTS header)
      if(line MATCHES "^\\* expect-exit: *([0-9]+)")
        set(expected_exit ${CMAKE_MATCH_1})
      elseif(line MATCHES "^\\* expect-message: *(.*)$")
        list(APPEND expected_messages "${CMAKE_MATCH_1}")
      endif()
    endforeach()
    if(NOT rc MATCHES "^[0-9]+$")
      message(SEND_ERROR "${name}: ${rc}")
    elseif(DEFINED expected_exit AND NOT rc EQUAL expected_exit)
      message(SEND_ERROR "${name}: exit ${rc}, expected ${expected_exit}; messages '${err}'")
    elseif(name MATCHES "^err_" AND (NOT rc EQUAL 1 OR err STREQUAL ""))
      message(SEND_ERROR "${name}: exit ${rc}, messages '${err}'")
    elseif(NOT rc EQUAL 0 AND NOT rc EQUAL 1)
      message(SEND_ERROR "${name}: exit ${rc}")
    endif()
    foreach(text IN LISTS expected_messages)
      string(FIND "${err}" "${text}" at)
      if(at LESS 0)
        message(SEND_ERROR "${name}: '${text}' missing in '${err}'")
      endif()
    endforeach()
    if(name MATCHES "^err_rd_" AND NOT out STREQUAL "")
      message(SEND_ERROR "${name}: output after a reported error:\n${out}")
    endif()
    string(TOLOWER "${out}" lower)
    if(lower MATCHES "(^|[^a-z0-9_])(nan|inf)($|[^a-z0-9_])")
      message(SEND_ERROR "${name}: not finite:\n${out}")
    endif()
  endforeach()
endforeach()

if(NOT SCRATCH)
  return()
endif()

foreach(arguments "" "${CORPUS}/freq_fexp.net;--kind;Q" "${CORPUS}/freq_fexp.net;--kind"
                  "a.net;b.net")
  simulate(${arguments})
  if(NOT rc EQUAL 2)
    message(SEND_ERROR "simulate '${arguments}': exit ${rc}, expected 2")
  endif()
endforeach()

expect_refused(${CORPUS}/no_such_file.net)
expect_refused(/dev/zero "Keine Datei: /dev/zero")
set(sparse ${SCRATCH}/sparse_8g.net)
execute_process(COMMAND truncate -s 8G ${sparse} RESULT_VARIABLE rc)
if(rc EQUAL 0)
  expect_refused(${sparse} "Datei zu groß: ${sparse}")
else()
  message(SEND_ERROR "no sparse file ${sparse}: ${rc}")
endif()
file(REMOVE ${sparse})
