# Re-encodes a copy of a help folder from UTF-8 into the ANSI code page of
# its language before chmcmd compiles it. The help control shows page
# bodies in whatever charset they declare, but reads the titles that the
# compiler copies into the file's search and contents tables (and the
# window caption) in the code page of the file's language: UTF-8 titles
# come out garbled there.
#   cmake -DDIR=<copy of lang/ja/help> -DCODEPAGE=CP932 -DCHARSET=shift_jis -P help_codepage.cmake
find_program(ICONV iconv)
if(NOT ICONV)
  message(FATAL_ERROR "help_codepage: iconv was not found")
endif()
file(GLOB files "${DIR}/*.htm" "${DIR}/*.hhp" "${DIR}/*.hhc")
foreach(f IN LISTS files)
  file(READ "${f}" text)
  string(REGEX REPLACE "charset=[Uu][Tt][Ff]-8" "charset=${CHARSET}" text "${text}")
  file(WRITE "${f}.utf8" "${text}")
  execute_process(COMMAND ${ICONV} -f UTF-8 -t ${CODEPAGE} "${f}.utf8" OUTPUT_FILE "${f}" RESULT_VARIABLE failed
                  ERROR_VARIABLE why)
  file(REMOVE "${f}.utf8")
  if(failed)
    message(FATAL_ERROR "help_codepage: ${f} cannot be written in ${CODEPAGE}: ${why}")
  endif()
endforeach()
