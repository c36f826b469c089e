# Checks the release archive: every file a user needs is in its "vexa2"
# folder, and none of the files the plug-in writes while it runs is.
#   cmake -DARCHIVE=dist/vexa2-<version>.zip -P check_release.cmake
if(NOT EXISTS "${ARCHIVE}")
  message(FATAL_ERROR "check_release: ${ARCHIVE} does not exist")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf "${ARCHIVE}"
  OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "check_release: ${ARCHIVE} cannot be read")
endif()
string(REPLACE "\n" ";" entries "${listing}")

set(problems 0)
foreach(needed
    vexa2/vexa2.dll vexa2/Vexa2.bat vexa2/Vexa2cmd.bat vexa2/Vexa2Usr.bat vexa2/INSTALL.txt
    vexa2/Vexa2Lang/Vexa2EN.dll vexa2/Vexa2Lang/Vexa2JP.dll
    vexa2/Vexa2Lang/Vexa2EN.chm vexa2/Vexa2Lang/Vexa2JP.chm
    vexa2/Vexa2Lang/Vexa2Command.txt vexa2/Vexa2Lang/Vexa2Environment.txt
    vexa2/Vexa2Lang/Vexa2EasySupport.txt vexa2/Vexa2Lang/Vexa2PaperSize.txt
    vexa2/command_sets/README.txt)
  list(FIND entries "${needed}" at)
  if(at EQUAL -1)
    message("check_release: ${needed} is missing")
    math(EXPR problems "${problems} + 1")
  endif()
endforeach()
foreach(entry IN LISTS entries)
  if(entry STREQUAL "")
    continue()
  endif()
  if(NOT entry MATCHES "^vexa2/")
    message("check_release: ${entry} lies outside the vexa2 folder")
    math(EXPR problems "${problems} + 1")
  endif()
  # Settings, language choice, dictionary cache, history, user strings,
  # backups of edited dictionaries.
  string(TOLOWER "${entry}" lower)
  if(lower MATCHES "/vexa2\\.ini$|/vexa2lang\\.ini$|/vexa2\\.dic$|/vexa2\\.hst$|/vexa2usr\\.dat$|\\.old$")
    message("check_release: ${entry} is written by the plug-in at run time and must not ship")
    math(EXPR problems "${problems} + 1")
  endif()
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "check_release: ${problems} problem(s) in ${ARCHIVE}")
endif()
message("check_release: ${ARCHIVE} is complete")
