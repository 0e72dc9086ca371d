# Options every target of the project links: language standard, warnings, strict Qt.
add_library(trelon_options INTERFACE)
target_compile_features(trelon_options INTERFACE cxx_std_20)
target_compile_options(trelon_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
target_compile_definitions(trelon_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# add_trelon_library(NAME SOURCES... LINKS libraries...): one layer of src/ as a static
# library. Every header is reached from src/ ("display/Surface.h"); LINKS names the layers
# below it that this one uses, and the Qt modules.
function(add_trelon_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
    add_library(${name} STATIC ${arg_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC trelon_options ${arg_LINKS})
endfunction()

# add_trelon_test(NAME LIBRARY MAIN SOURCES...): a GoogleTest executable registered with
# ctest, run on the offscreen platform. LIBRARY is the one layer the tests exercise (a call
# into a layer above it does not link); MAIN is the test main that creates the matching Qt
# application object.
function(add_trelon_test name library main)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE ${library} ${main} trelon_test_support)
    target_compile_definitions(${name} PRIVATE
        TRELON_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        TRELON_PROGRAM_DIR="${TRELON_PROGRAM_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                            TIMEOUT 600)
endfunction()
