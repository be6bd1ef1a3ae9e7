# Builds the Debian package with CPack and checks its name, control fields and contents: the
# same files as the installed tree at PREFIX, below /usr.
#   cmake -DCPACK=... -DCONFIG=.../CPackConfig.cmake -DOUTPUT_DIR=... -DVERSION=...
#         -DWINDOW=ON|OFF -DPREFIX=... -P check_package.cmake
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

function(run result)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors
                  RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${output}\n${errors}")
  endif()
  set(${result} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
run(ignored "${CPACK}" -G DEB --config "${CONFIG}" -B "${OUTPUT_DIR}")
run(architecture dpkg --print-architecture)
set(deb "${OUTPUT_DIR}/chainadj_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${OUTPUT_DIR}/*.deb")
  message(FATAL_ERROR "no ${deb}; cpack wrote: ${made}")
endif()

function(expect_field field pattern)
  run(value dpkg-deb --field "${deb}" ${field})
  if(NOT value MATCHES "${pattern}")
    message(FATAL_ERROR "${field}: '${value}' does not match '${pattern}'")
  endif()
endfunction()
expect_field(Package "^chainadj$")
expect_field(Version "^${VERSION}$")
expect_field(Section "^science$")
expect_field(Maintainer "^.+ <.+@.+>$")
expect_field(Description "^triangulation chain adjustment")
# dpkg-shlibdeps finds the libraries the programs link: the C++ runtime, dxflib and
# libxlsxwriter for the exports, Qt for the window.
set(needed libstdc\\+\\+6 libdxflib3 libxlsxwriter4)
if(WINDOW)
  list(APPEND needed libqt6widgets6 qt6-qpa-plugins fonts-arphic-uming fonts-wqy-microhei
                     qt6-translations-l10n)
endif()
foreach(package IN LISTS needed)
  expect_field(Depends "(^|, )${package}( \\([^)]*\\))?(,|$)")
endforeach()

run(listing dpkg-deb --contents "${deb}")
string(REPLACE "\n" ";" listing "${listing}")
set(packaged)
foreach(line IN LISTS listing)
  if(line MATCHES "^-.* \\./usr/(.+)$")
    list(APPEND packaged "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT packaged)
installed_files("${PREFIX}" installed)
if(NOT packaged STREQUAL installed)
  message(FATAL_ERROR "the package holds\n  ${packaged}\nbut cmake --install puts\n  ${installed}")
endif()
