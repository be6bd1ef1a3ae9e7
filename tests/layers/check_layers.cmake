# The layers of src/, lowest first; the window (ui) and the console stand side by side at the top.
# A file may include headers of its own folder and of the folders below it, a library may link
# the libraries of those, and only the window includes or links Qt. The console reaches the
# window's PDF writer only through its Qt-free header (and the library behind it).
#   cmake -DSOURCE_DIR=.../src -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(layers state adjust quality entry report ui)
set(crossings "console>ui/report_pdf.h" "console>chainadj_pdf")
set(failures "")

# A failure, told as `shown` at `where`, when `from` may not use `what` of the folder `to`.
function(check_use from to what where shown)
  string(REPLACE console ui from_layer "${from}")
  string(REPLACE console ui to_layer "${to}")
  list(FIND layers "${from_layer}" from_rank)
  list(FIND layers "${to_layer}" to_rank)
  if(to_rank LESS 0 OR from STREQUAL to OR to_rank LESS from_rank
     OR "${from}>${what}" IN_LIST crossings)
    return()
  endif()
  list(APPEND failures "${where}: ${shown}: ${to} is not a layer below ${from}")
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "/.*" "" folder "${source}")
  # The file's lines as a list, without the characters that would take a CMake list apart.
  file(READ "${SOURCE_DIR}/${source}" text)
  string(REGEX REPLACE "[][;\\]" " " text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(([a-z_]+)/[^\"]*)\"")
      check_use(${folder} ${CMAKE_MATCH_2} "${CMAKE_MATCH_1}" "src/${source}:${number}"
                "#include \"${CMAKE_MATCH_1}\"")
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z][^>]*)>" AND NOT folder STREQUAL ui)
      list(APPEND failures "src/${source}:${number}: #include <${CMAKE_MATCH_1}>: Qt is for ui")
    endif()
  endforeach()
endforeach()

# Every library belongs to the folder that adds it; the core, all of it, ends with report.
file(GLOB lists RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*/CMakeLists.txt")
set(folder_of_chainadj_core report)
foreach(list_file IN LISTS lists)
  string(REGEX REPLACE "/.*" "" folder "${list_file}")
  file(STRINGS "${SOURCE_DIR}/${list_file}" added REGEX "add_library\\(")
  string(REGEX MATCHALL "add_library\\([A-Za-z0-9_-]+" added "${added}")
  list(TRANSFORM added REPLACE "add_library\\(" "folder_of_")
  foreach(target IN LISTS added)
    set(${target} ${folder})
  endforeach()
endforeach()
foreach(list_file IN LISTS lists)
  string(REGEX REPLACE "/.*" "" folder "${list_file}")
  file(READ "${SOURCE_DIR}/${list_file}" text)
  string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" calls "${text}")
  string(REGEX MATCHALL "[A-Za-z0-9_:-]+" words "${calls}")
  foreach(word IN LISTS words)
    if(DEFINED folder_of_${word})
      check_use(${folder} ${folder_of_${word}} ${word} "src/${list_file}" "links ${word}")
    elseif(word MATCHES "^Qt[0-9]*::" AND NOT folder STREQUAL ui)
      list(APPEND failures "src/${list_file}: links ${word}: Qt is for ui")
    endif()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message("${text}")
  message(FATAL_ERROR "These includes and links break the layers of src/.")
endif()
