# The installed console writes a PDF with the module installed beside it (not the one in the
# build tree), which the dynamic loader's log names.
#   cmake -DCONSOLE=... -DMODULE=... -DDATA=... -DPDF=... -P check_installed_pdf.cmake
file(REMOVE "${PDF}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=files QT_QPA_PLATFORM=offscreen
          "${CONSOLE}" --data "${DATA}" --pdf "${PDF}"
  OUTPUT_QUIET
  ERROR_VARIABLE loader_log
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CONSOLE} --pdf failed (${status})")
endif()
string(FIND "${loader_log}" "calling init: ${MODULE}" loaded)
if(loaded EQUAL -1)
  message(FATAL_ERROR "the installed console did not load ${MODULE}")
endif()
file(READ "${PDF}" head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # %PDF-
  message(FATAL_ERROR "${PDF} is not a PDF")
endif()
