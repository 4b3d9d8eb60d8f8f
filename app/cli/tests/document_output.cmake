# Runs "vostrane-cli render" and "print" on circuit files. Every file of BAD (a directory) exits
# 1 with a message and writes nothing; every *.vqe of GOOD ('|' separated directories) exits 0
# with a 1255 x 1255 PNG image and a one-page PDF file.
# cmake -DCLI=... -DBAD=dir -DGOOD=dir|dir -DSCRATCH=dir -P document_output.cmake

set(timeout 60)
set(png ${SCRATCH}/document.png)
set(pdf ${SCRATCH}/document.pdf)

# Exit status and standard error of "COMMAND FILE OUT" into rc and err; OUT is removed first.
macro(run command file out)
  file(REMOVE ${out})
  execute_process(COMMAND ${CLI} ${command} ${file} ${out} RESULT_VARIABLE rc
                  OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT ${timeout})
endmacro()

file(GLOB bad_files ${BAD}/*)
foreach(file IN LISTS bad_files)
  foreach(pair IN ITEMS "render;${png}" "print;${pdf}")
    list(GET pair 0 command)
    list(GET pair 1 out)
    run(${command} ${file} ${out})
    if(NOT rc EQUAL 1 OR err STREQUAL "" OR EXISTS ${out})
      message(SEND_ERROR "${command} ${file}: exit ${rc}, messages '${err}'")
    endif()
  endforeach()
endforeach()

string(REPLACE "|" ";" good_dirs "${GOOD}")
foreach(dir IN LISTS good_dirs)
  file(GLOB good_files ${dir}/*.vqe)
  foreach(file IN LISTS good_files)
    run(render ${file} ${png})
    # The PNG header's width and height, big-endian, behind the 16 bytes of signature and tag.
    if(rc EQUAL 0 AND EXISTS ${png})
      file(READ ${png} size OFFSET 16 LIMIT 8 HEX)
    endif()
    if(NOT rc EQUAL 0 OR NOT size STREQUAL "000004e7000004e7")
      message(SEND_ERROR "render ${file}: exit ${rc}, size '${size}', messages '${err}'")
    endif()
    run(print ${file} ${pdf})
    set(pages "")
    if(rc EQUAL 0 AND EXISTS ${pdf})
      file(STRINGS ${pdf} pages REGEX "/Type /Page[^s]")
    endif()
    list(LENGTH pages page_count)
    if(NOT rc EQUAL 0 OR NOT page_count EQUAL 1)
      message(SEND_ERROR "print ${file}: exit ${rc}, ${page_count} pages, messages '${err}'")
    endif()
  endforeach()
endforeach()
