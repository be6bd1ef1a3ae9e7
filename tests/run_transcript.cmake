# Runs the console front end on an input file, or with the arguments of an arguments file and no
# input, and compares its whole output with the expected transcript and its exit status with the
# expected one.
#   cmake -DCONSOLE=... (-DINPUT=... | -DARGUMENTS_FILE=...) -DWORKDIR=... -DEXPECTED=...
#         -DSTATUS=0 -P run_transcript.cmake
set(arguments "")
if(NOT DEFINED WORKDIR)
  set(WORKDIR "${CMAKE_CURRENT_BINARY_DIR}")
endif()
if(DEFINED ARGUMENTS_FILE)
  file(STRINGS "${ARGUMENTS_FILE}" arguments)
  set(INPUT /dev/null)
endif()
execute_process(
  COMMAND "${CONSOLE}" ${arguments}
  INPUT_FILE "${INPUT}"
  WORKING_DIRECTORY "${WORKDIR}"
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}")
endif()
if(NOT actual STREQUAL expected)
  get_filename_component(name "${EXPECTED}" NAME_WE)
  set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
  file(WRITE "${actual_file}" "${actual}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${actual_file}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED} (output kept in ${actual_file})")
endif()
