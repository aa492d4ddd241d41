# cmake -DSOURCE_DIR=<checkout> -DCLANG_FORMAT=<clang-format-14> -P CheckFormat.cmake
# Fails when a C++ file of the checkout differs from what .clang-format makes
# of it, and names the files. Only one clang-format version formats alike, so
# the version is pinned.
file(GLOB_RECURSE files
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
  ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h)
# One run over all files: a process per file takes minutes on a busy machine.
execute_process(COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${files}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" lines "${complaints}")
  set(unformatted "")
  foreach(line ${lines})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: code should be clang-formatted" "" name "${line}")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${name})
    list(APPEND unformatted ${name})
  endforeach()
  list(REMOVE_DUPLICATES unformatted)
  list(JOIN unformatted "\n  " unformatted)
  message(FATAL_ERROR "Not formatted (run clang-format-14 -i on them):\n  ${unformatted}")
endif()
