# Generates the C++ text table of one language library from its text file.
#   cmake -DINPUT=texts.txt -DOUTPUT=texts_table.cpp -P generate_texts.cmake
include(${CMAKE_CURRENT_LIST_DIR}/texts_file.cmake)

vexa_read_texts("${INPUT}" T)

set(body "")
foreach(id IN LISTS T_IDS)
  set(text "${T_${id}}")
  # Translator escapes -> C escapes. @BS@ is a backslash of the file.
  string(REPLACE "@BS@@BS@" "@ESC_BS@" text "${text}")
  string(REPLACE "@BS@n" "@ESC_N@" text "${text}")
  string(REPLACE "@BS@t" "@ESC_T@" text "${text}")
  string(REPLACE "@BS@" "@ESC_BS@" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  string(REPLACE "@ESC_BS@" "\\\\" text "${text}")
  string(REPLACE "@ESC_N@" "\\r\\n" text "${text}")
  string(REPLACE "@ESC_T@" "\\t" text "${text}")
  string(REPLACE "@SEMI@" ";" text "${text}")
  string(REPLACE "@LB@" "[" text "${text}")
  string(REPLACE "@RB@" "]" text "${text}")
  # "??" could start a trigraph in older dialects; keep it harmless.
  string(REPLACE "??" "?\\?" text "${text}")
  string(APPEND body "    {0x${id}u, L\"${text}\"},\n")
endforeach()

set(source "// Generated from ${INPUT_NAME} by generate_texts.cmake: edit the text file, not this.
#include \"lang/text_table.h\"

const TextEntry kTexts[] = {
${body}};
const unsigned kTextCount = sizeof(kTexts) / sizeof(kTexts[0]);
")
# Rewritten only when different, so an unchanged text file rebuilds nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL source)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
