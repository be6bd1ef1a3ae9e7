# Whole-run transcripts: DIRECTORY/NAME.in is typed into chainadj-console and DIRECTORY/NAME.out
# is what it must print; DIRECTORY/NAME.status holds the exit status when it is not 0.
function(chainadj_add_transcript_tests directory)
  file(GLOB inputs CONFIGURE_DEPENDS "${directory}/*.in")
  foreach(input IN LISTS inputs)
    get_filename_component(name "${input}" NAME_WE)
    set(status 0)
    if(EXISTS "${directory}/${name}.status")
      file(STRINGS "${directory}/${name}.status" status)
    endif()
    add_test(NAME transcript.${name}
      COMMAND ${CMAKE_COMMAND}
        -DCONSOLE=$<TARGET_FILE:chainadj-console>
        -DINPUT=${input}
        -DEXPECTED=${directory}/${name}.out
        -DSTATUS=${status}
        -P ${CMAKE_SOURCE_DIR}/tests/run_transcript.cmake)
  endforeach()
endfunction()
