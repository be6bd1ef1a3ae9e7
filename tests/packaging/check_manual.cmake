# Looks the manual of chainadj-console up by name below MANPATH, as `man chainadj-console` does
# once installed, and renders it: no warning from man or groff, and every section there.
#   cmake -DMANPATH=.../share/man -P check_manual.cmake
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env MANPAGER=cat PAGER=cat MANWIDTH=80 LC_ALL=C.UTF-8
          man --manpath=${MANPATH} --warnings=w --encoding=UTF-8 chainadj-console
  OUTPUT_VARIABLE page
  ERROR_VARIABLE warnings
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "man chainadj-console failed (${status}):\n${warnings}")
endif()
if(NOT warnings STREQUAL "")
  message(FATAL_ERROR "the manual renders with warnings:\n${warnings}")
endif()
foreach(section NAME SYNOPSIS DESCRIPTION OPTIONS INPUT OUTPUT "EXIT STATUS" EXAMPLES)
  if(NOT page MATCHES "\n${section}\n")
    message(FATAL_ERROR "the rendered manual has no section ${section}:\n${page}")
  endif()
endforeach()
foreach(line_kind "TextN: text" "LabelN: caption" "Label12\\(k\\): caption" "\\? prompt"
                  "! message")
  if(NOT page MATCHES "\n +${line_kind}\n")
    message(FATAL_ERROR "the rendered manual does not describe the line '${line_kind}'")
  endif()
endforeach()
