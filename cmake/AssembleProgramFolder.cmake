# Copies the shipped data into the program folder beside the executable.
# What the user owns there (settings, saved jobs, the two pick lists, logos)
# is copied only when it does not exist yet, so a rebuild never overwrites it.
#   cmake -DSOURCE=<data dir> -DTARGET=<program folder> -P AssembleProgramFolder.cmake
set(user_owned "zr.ini" "Ulozene" "duvod/duvod.txt" "zameril/zameril.txt" "loga")

file(GLOB_RECURSE shipped RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(relative IN LISTS shipped)
    set(owned FALSE)
    foreach(prefix IN LISTS user_owned)
        string(TOLOWER "${relative}" lower_relative)
        string(TOLOWER "${prefix}" lower_prefix)
        if(lower_relative STREQUAL lower_prefix OR lower_relative MATCHES "^${lower_prefix}/")
            set(owned TRUE)
        endif()
    endforeach()
    set(destination "${TARGET}/${relative}")
    if(owned AND EXISTS "${destination}")
        continue()
    endif()
    get_filename_component(folder "${destination}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}/${relative}" "${destination}" ONLY_IF_DIFFERENT)
endforeach()
