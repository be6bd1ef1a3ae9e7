# Runs the console front end on a file of answers and compares its whole output with the
# expected transcript.
#   cmake -DPROGRAM=<chainadj-console> -DINPUT=<answers> -DEXPECTED=<transcript> -DACTUAL=<file>
#         -P compare_transcript.cmake
execute_process(COMMAND "${PROGRAM}" INPUT_FILE "${INPUT}" OUTPUT_FILE "${ACTUAL}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "chainadj-console ended with status ${status} on ${INPUT}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ACTUAL}" "${EXPECTED}"
                RESULT_VARIABLE different)
if(different)
  file(STRINGS "${ACTUAL}" actualLines)
  file(STRINGS "${EXPECTED}" expectedLines)
  list(LENGTH actualLines actualCount)
  list(LENGTH expectedLines expectedCount)
  set(line 0)
  while(line LESS actualCount AND line LESS expectedCount)
    list(GET actualLines ${line} actualLine)
    list(GET expectedLines ${line} expectedLine)
    if(NOT actualLine STREQUAL expectedLine)
      math(EXPR number "${line} + 1")
      message(FATAL_ERROR "line ${number} differs\n  expected: ${expectedLine}\n  actual:   ${actualLine}\n"
                          "whole output in ${ACTUAL}")
    endif()
    math(EXPR line "${line} + 1")
  endwhile()
  message(FATAL_ERROR "${actualCount} lines instead of ${expectedCount}; whole output in ${ACTUAL}")
endif()
