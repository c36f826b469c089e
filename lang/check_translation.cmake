# Fails when a translated text file does not match the English one: an
# identifier one of them lacks, or a message whose printf-style conversions
# (%d, %s, %ls, %%, ...) differ in kind, number or order. A translation
# that drops or reorders a conversion would print garbage or crash where
# the message is formatted.
#   cmake -DREFERENCE=en/texts.txt -DTRANSLATIONS="ja/texts.txt;..." -P check_translation.cmake
# Configuration texts (identifiers below 0x1000000) are left out of the
# conversion comparison: date formats there are strftime formats that
# differ between languages by nature.
include(${CMAKE_CURRENT_LIST_DIR}/texts_file.cmake)

# vexa_conversions(TEXT OUT): the text's conversions in order, as a
# "|"-joined string ("%d|%s").
function(vexa_conversions text out)
  # A space after "%" is taken as text ("100% done", "% comment"), not
  # as the rare space flag.
  # "%%" is a literal percent sign, not a conversion: take it out first so
  # that "%%d" is not read as "%d".
  string(REPLACE "%%" "" text "${text}")
  string(REGEX MATCHALL "%[-+#0]*([0-9]+|\\*)?(\\.([0-9]+|\\*))?(hh|h|ll|l|L|I64|w)?[diouxXcCsSpeEfgGaAn]" found "${text}")
  string(REPLACE ";" "|" found "${found}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

vexa_read_texts("${REFERENCE}" R)
set(problems 0)
foreach(translation IN LISTS TRANSLATIONS)
  vexa_read_texts("${translation}" T)
  foreach(id IN LISTS R_IDS)
    list(FIND T_IDS "${id}" at)
    if(at EQUAL -1)
      message("check_translation: ${translation}: no text for 0x${id}")
      math(EXPR problems "${problems} + 1")
    elseif(id STRGREATER_EQUAL "01000000")
      vexa_conversions("${R_${id}}" want)
      vexa_conversions("${T_${id}}" got)
      if(NOT want STREQUAL got)
        message("check_translation: ${translation}: 0x${id} has conversions '${got}', the English text '${want}'")
        math(EXPR problems "${problems} + 1")
      endif()
    endif()
  endforeach()
  foreach(id IN LISTS T_IDS)
    list(FIND R_IDS "${id}" at)
    if(at EQUAL -1)
      message("check_translation: ${translation}: 0x${id} is not in the English texts")
      math(EXPR problems "${problems} + 1")
    endif()
  endforeach()
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "check_translation: ${problems} problem(s)")
endif()
message("check_translation: translations match the English texts")
