# installed_files(ROOT RESULT): the files below ROOT, relative to it and sorted.
function(installed_files root result)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
  list(SORT files)
  set(${result} "${files}" PARENT_SCOPE)
endfunction()
