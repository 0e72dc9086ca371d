# Fails when a file includes a header of a folder above its own layer, or of a sibling layer.
# Run by ctest: cmake -DTRELON_SOURCE_DIR=<source tree> -P CheckLayers.cmake
#
# The folders of src/, bottom to top; folders on one line are siblings and use neither each
# other. A file under src/<folder>/ or tests/<folder>/ may include headers of its own folder
# and of the folders below it. app/ stands above everything; the asset tests (tests/assets)
# sit just above the stimulus layer, whose picture tables they read.
set(layers
    "common"
    "platform"
    "display"
    "config"
    "results"
    "state"
    "patients;stimulus"
    "procedures"
    "setup"
    "registry"
    "review"
    "gui"
    "screens"
    "app")

set(rank 0)
foreach(line IN LISTS layers)
    string(REPLACE ";" " " line_folders "${line}")
    separate_arguments(line_folders)
    foreach(folder IN LISTS line_folders)
        set(rank_${folder} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()
set(rank_assets ${rank_procedures})

# The layer a file belongs to: its folder under src/ or tests/, or app.
function(layer_of path out)
    file(RELATIVE_PATH relative "${TRELON_SOURCE_DIR}" "${path}")
    if(relative MATCHES "^(src|tests)/([^/]+)/")
        set(${out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    elseif(relative MATCHES "^app/")
        set(${out} "app" PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE files
    "${TRELON_SOURCE_DIR}/src/*.h" "${TRELON_SOURCE_DIR}/src/*.cpp"
    "${TRELON_SOURCE_DIR}/app/*.cpp"
    "${TRELON_SOURCE_DIR}/tests/*.h" "${TRELON_SOURCE_DIR}/tests/*.cpp")

set(violations "")
foreach(path IN LISTS files)
    layer_of("${path}" own)
    # Shared test support and the test mains serve every layer.
    if(NOT DEFINED rank_${own})
        continue()
    endif()
    file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z]+/")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([a-z]+)/.*$" "\\1" folder "${include}")
        if(NOT DEFINED rank_${folder} OR folder STREQUAL own)
            continue()
        endif()
        if(rank_${folder} GREATER_EQUAL rank_${own})
            file(RELATIVE_PATH relative "${TRELON_SOURCE_DIR}" "${path}")
            string(APPEND violations "  ${relative} (${own}) includes ${folder}: ${include}\n")
        endif()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes that reach up a layer or across to a sibling:\n${violations}")
endif()
message(STATUS "Every include reaches down a layer or stays in its folder.")
