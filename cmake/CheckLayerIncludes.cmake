# cmake -DFOLDER=<folder> -DALLOWED=<folder>|... -DFILES=<file>|... -DSTAMP=<file>
#       -P CheckLayerIncludes.cmake
# Fails, naming each file and include, when a file includes a project header ("folder/name.h")
# of a folder outside ALLOWED; touches STAMP when every include is allowed. System and Qt
# headers (<...>) are the linker's and the compiler's business, not this check's.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" allowed "${ALLOWED}")
string(REPLACE "|" ";" files "${FILES}")

set(violations "")
foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
        get_filename_component(header_folder "${header}" DIRECTORY)
        if(header_folder STREQUAL "")
            continue() # the folder's own generated files, such as Qt's moc output
        endif()
        if(NOT header_folder IN_LIST allowed)
            get_filename_component(name "${file}" NAME)
            string(APPEND violations "\n  src/${FOLDER}/${name} includes ${header}")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN allowed ", " allowed_text)
    message(FATAL_ERROR "Includes against the layers of src/:${violations}\n"
        "src/${FOLDER} may include only: ${allowed_text}")
endif()
file(TOUCH "${STAMP}")
