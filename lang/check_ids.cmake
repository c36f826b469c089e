# Fails when the plug-in's code uses a message or configuration identifier
# that a shipped language library has no text for.
#   cmake -DTEXTS="a.txt;b.txt" -DIDS_HEADER=frame/message_ids.h
#         -DSOURCE_DIR=<tree> -P check_ids.cmake
# Identifiers are taken from the named constants of IDS_HEADER and from
# numbers written directly into lang::message(), lang::config() and
# lang::messageBox() calls anywhere in the subsystem folders.
include(${CMAKE_CURRENT_LIST_DIR}/texts_file.cmake)

set(used "")          # normalized ids
set(where "")         # parallel: where each was found

macro(add_used value origin)
  vexa_normalize_id("${value}" _id)
  if(NOT _id STREQUAL "")
    list(APPEND used "${_id}")
    list(APPEND where "${origin}")
  endif()
endmacro()

# Named constants.
file(READ "${IDS_HEADER}" header)
string(REGEX MATCHALL "constexpr uint32_t [A-Za-z0-9_]+ = (0x[0-9a-fA-F]+|[0-9]+)" constants "${header}")
foreach(c IN LISTS constants)
  string(REGEX REPLACE "^constexpr uint32_t ([A-Za-z0-9_]+) = (.*)$" "\\2" value "${c}")
  string(REGEX REPLACE "^constexpr uint32_t ([A-Za-z0-9_]+) = (.*)$" "\\1" name "${c}")
  add_used("${value}" "${name}")
endforeach()
list(LENGTH constants constantCount)
if(constantCount EQUAL 0)
  message(FATAL_ERROR "check_ids: no identifier constants found in ${IDS_HEADER}")
endif()

# Literals in calls.
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(sources "")
foreach(dir frame settings mainwindow make support outline palette dialogs highlight)
  if(IS_DIRECTORY "${SOURCE_DIR}/${dir}")
    file(GLOB_RECURSE found "${SOURCE_DIR}/${dir}/*.cpp" "${SOURCE_DIR}/${dir}/*.h")
    list(APPEND sources ${found})
  endif()
endforeach()
set(hex7 "0x1[0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F][0-9a-fA-F]")
foreach(src IN LISTS sources)
  file(READ "${src}" code)
  file(RELATIVE_PATH rel "${SOURCE_DIR}" "${src}")
  string(REGEX MATCHALL "[^A-Za-z0-9_](message|config)\\( *(0x[0-9a-fA-F]+|[0-9]+) *\\)" calls "${code}")
  foreach(call IN LISTS calls)
    string(REGEX REPLACE "^.*\\( *([0-9a-fA-Fx]+) *\\)$" "\\1" value "${call}")
    add_used("${value}" "${rel}")
  endforeach()
  string(REGEX MATCHALL "[^A-Za-z0-9_]messageBox\\([^;]*\\)" boxes "${code}")
  foreach(box IN LISTS boxes)
    string(REGEX MATCHALL "${hex7}" values "${box}")
    foreach(value IN LISTS values)
      add_used("${value}" "${rel}")
    endforeach()
  endforeach()
endforeach()

set(missing 0)
list(LENGTH used usedCount)
foreach(texts IN LISTS TEXTS)
  vexa_read_texts("${texts}" T)
  math(EXPR last "${usedCount} - 1")
  foreach(i RANGE ${last})
    list(GET used ${i} id)
    list(GET where ${i} origin)
    list(FIND T_IDS "${id}" at)
    if(at EQUAL -1)
      message("check_ids: ${texts}: no text for 0x${id} (${origin})")
      math(EXPR missing "${missing} + 1")
    endif()
  endforeach()
endforeach()

if(missing GREATER 0)
  message(FATAL_ERROR "check_ids: ${missing} identifier use(s) without a text")
endif()
message("check_ids: ${usedCount} identifier uses, all with texts")
