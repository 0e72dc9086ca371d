# Fails when clang-format (with the repository's .clang-format) would change a source file.
# Run by ctest: cmake -DTRELON_SOURCE_DIR=<source tree> -DCLANG_FORMAT=<program> -P ...
if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "clang-format was not found; scripts/install-deps.sh installs it.")
endif()
file(GLOB_RECURSE files
    "${TRELON_SOURCE_DIR}/src/*.h" "${TRELON_SOURCE_DIR}/src/*.cpp"
    "${TRELON_SOURCE_DIR}/app/*.cpp"
    "${TRELON_SOURCE_DIR}/tests/*.h" "${TRELON_SOURCE_DIR}/tests/*.cpp"
    "${TRELON_SOURCE_DIR}/tests/*.c"
    "${TRELON_SOURCE_DIR}/bench/*.cpp"
    "${TRELON_SOURCE_DIR}/fuzz/*.h" "${TRELON_SOURCE_DIR}/fuzz/*.cpp"
    "${TRELON_SOURCE_DIR}/tools/*.h" "${TRELON_SOURCE_DIR}/tools/*.cpp")
execute_process(
    COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
    WORKING_DIRECTORY "${TRELON_SOURCE_DIR}"
    RESULT_VARIABLE result
    ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change these files (run clang-format -i):\n${report}")
endif()
list(LENGTH files count)
message(STATUS "${count} files as clang-format leaves them.")
