# Whole-run transcripts: DIRECTORY/NAME.in is typed into chainadj-console and DIRECTORY/NAME.out
# is what it must print; DIRECTORY/NAME.status holds the exit status when it is not 0.
# DIRECTORY/NAME.args, when there, holds command-line arguments, one a line (paths relative to
# the source tree): the console is run with them and nothing typed, and must print NAME.out too
# (a data file that repeats a typed run gives the typed run's transcript).
function(chainadj_add_transcript_tests directory)
  file(GLOB sources CONFIGURE_DEPENDS "${directory}/*.in" "${directory}/*.args")
  foreach(source IN LISTS sources)
    get_filename_component(name "${source}" NAME_WE)
    get_filename_component(kind "${source}" LAST_EXT)
    set(status 0)
    if(EXISTS "${directory}/${name}.status")
      file(STRINGS "${directory}/${name}.status" status)
    endif()
    if(kind STREQUAL ".args")
      set(test transcript.${name}.data)
      set(input -DARGUMENTS_FILE=${source})
    else()
      set(test transcript.${name})
      set(input -DINPUT=${source})
    endif()
    add_test(NAME ${test}
      COMMAND ${CMAKE_COMMAND}
        -DCONSOLE=$<TARGET_FILE:chainadj-console>
        ${input}
        -DWORKDIR=${CMAKE_SOURCE_DIR}
        -DEXPECTED=${directory}/${name}.out
        -DSTATUS=${status}
        -P ${CMAKE_SOURCE_DIR}/tests/run_transcript.cmake)
  endforeach()
endfunction()
