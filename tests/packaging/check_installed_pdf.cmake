# The installed console writes a PDF report (on Qt's offscreen platform, no display).
#   cmake -DCONSOLE=... -DDATA=... -DPDF=... -P check_installed_pdf.cmake
file(REMOVE "${PDF}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          "${CONSOLE}" --data "${DATA}" --pdf "${PDF}"
  OUTPUT_QUIET
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CONSOLE} --pdf failed (${status}):\n${errors}")
endif()
if(NOT EXISTS "${PDF}")
  message(FATAL_ERROR "${CONSOLE} --pdf wrote no ${PDF}")
endif()
file(READ "${PDF}" head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # %PDF-
  message(FATAL_ERROR "${PDF} is not a PDF")
endif()
