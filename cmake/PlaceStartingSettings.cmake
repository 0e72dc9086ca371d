# Places the starting settings file in the program folder unless a settings file is already
# there (in any letter case): the operator's own settings are never replaced.
# Arguments: -DSOURCE=<file> -DPROGRAM_DIR=<folder>
file(GLOB present LIST_DIRECTORIES false "${PROGRAM_DIR}/*")
foreach(path IN LISTS present)
    get_filename_component(name "${path}" NAME)
    string(TOLOWER "${name}" lower)
    if(lower STREQUAL "class.ini")
        return()
    endif()
endforeach()
file(MAKE_DIRECTORY "${PROGRAM_DIR}")
file(COPY_FILE "${SOURCE}" "${PROGRAM_DIR}/Class.ini")
