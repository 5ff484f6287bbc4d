# Checks that every shipped translation is complete. Run as
#   cmake -DLUPDATE=<lupdate> -DSOURCE_LIST=<file naming the sources, one a line>
#         -DINCLUDE_DIR=<where the sources' includes start>
#         -DTS_FILES=<a.ts;b.ts> -DWORK_DIR=<scratch folder> -P CheckTranslations.cmake
# lupdate brings copies of the .ts files up to date with the code. A copy must then hold no text
# that is new or unfinished, none that has left the code, and every translation must keep the
# placeholders (%1, %2, ...) and the accelerator mark (&) of its source.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# The placeholders of an XML-escaped text, in order of number, and whether it marks an accelerator
# ("&&" is a plain ampersand).
function(text_marks text out)
  string(REGEX MATCHALL "%[0-9]+" placeholders "${text}")
  list(SORT placeholders)
  string(REPLACE "&amp;&amp;" "" text "${text}")
  string(FIND "${text}" "&amp;" accelerator)
  if(accelerator GREATER_EQUAL 0)
    list(APPEND placeholders "&")
  endif()
  set(${out} "${placeholders}" PARENT_SCOPE)
endfunction()

set(failures 0)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK_DIR}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -I${INCLUDE_DIR} @${SOURCE_LIST} -ts ${copy}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "${name}: lupdate failed (${result})")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  file(READ ${copy} text)
  # One list item per message; the texts' own semicolons must not split it.
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REPLACE "</message>" ";" messages "${text}")
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>([^<]*)</source>")
      continue()
    endif()
    string(REPLACE "@semicolon@" ";" source "${CMAKE_MATCH_1}")
    if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
      message(SEND_ERROR "${name}: \"${source}\" is ${CMAKE_MATCH_1}")
      math(EXPR failures "${failures} + 1")
      continue()
    endif()
    string(REGEX MATCH "<translation>([^<]*)</translation>" ignored "${message}")
    string(REPLACE "@semicolon@" ";" translation "${CMAKE_MATCH_1}")
    text_marks("${source}" wanted)
    text_marks("${translation}" found)
    if(NOT wanted STREQUAL found)
      message(SEND_ERROR "${name}: \"${source}\" keeps [${wanted}] but its translation [${found}]")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH TS_FILES checked)
if(failures EQUAL 0)
  message(STATUS "${checked} translations complete")
endif()
