# A script's lines end at LF, CR LF or CR alone, as a netlist's do: the same script written with
# each plays alike (an empty line and a comment line in it), and the line numbers of its
# refusal count its lines.
# cmake -DCLI=... -DROOT=repository -DSCRATCH=dir -P ui_line_ends.cmake

include(${CMAKE_CURRENT_LIST_DIR}/play.cmake)

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY ${ROOT}/examples/pi_section.vqe DESTINATION ${SCRATCH})

foreach(row "lf|\n" "crlf|\r\n" "cr|\r" "cr_last_missing|\r")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 end)
  set(script "open pi_section.vqe${end}${end}  # \"Tiefpass\"${end}save ${name}.vqe${end}")
  string(APPEND script "png ${name}.png${end}gibtsnicht 7")
  if(NOT name STREQUAL "cr_last_missing")
    string(APPEND script "${end}")
  endif()
  file(WRITE ${SCRATCH}/${name}.txt "${script}")
  expect_played(${name} 2 "^[^\n]*${name}\\.txt:6: unbekannte Aktion gibtsnicht;")
  foreach(written IN ITEMS ${name}.vqe ${name}.png)
    if(NOT EXISTS ${SCRATCH}/${written})
      message(SEND_ERROR "${name}: ${written} was not written")
    endif()
  endforeach()
endforeach()
