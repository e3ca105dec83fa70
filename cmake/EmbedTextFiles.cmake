# vistrel_embed_text_files(<output.cpp> HEADER <include> NAMESPACE <namespace>
#                          FILES <function> <file> [<function> <file>...])
# Adds a build step that writes <output.cpp>, defining `std::string_view <function>()` for each
# file; the function returns the file's bytes unchanged. The step runs again whenever one of the
# files changes. List <output.cpp> among the sources of a target to compile the files in.
function(vistrel_embed_text_files output)
    cmake_parse_arguments(ARG "" "HEADER;NAMESPACE" "FILES" ${ARGN})
    list(LENGTH ARG_FILES count)
    math(EXPR odd "${count} % 2")
    if(count EQUAL 0 OR odd)
        message(FATAL_ERROR "vistrel_embed_text_files: FILES takes <function> <file> pairs")
    endif()
    set(pairs "")
    set(files "")
    while(ARG_FILES)
        list(POP_FRONT ARG_FILES function file)
        list(APPEND pairs "${function}=${file}")
        list(APPEND files "${file}")
    endwhile()
    # A list cannot pass through a -D argument intact, so the pairs travel '|'-separated.
    string(REPLACE ";" "|" pairs "${pairs}")
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DHEADER=${ARG_HEADER}
                -DNAMESPACE=${ARG_NAMESPACE} -DPAIRS=${pairs} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        DEPENDS ${files} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        COMMENT "Compiling data files into ${output}"
        VERBATIM)
endfunction()

# Script mode: cmake -DOUTPUT=... -DHEADER=... -DNAMESPACE=... -DPAIRS=f=path|... -P <this file>
if(CMAKE_SCRIPT_MODE_FILE)
    string(REPEAT "0x[0-9a-f][0-9a-f], " 16 sixteen_bytes)
    set(text "// Written by cmake/EmbedTextFiles.cmake at build time; do not edit.\n")
    string(APPEND text "#include \"${HEADER}\"\n\nnamespace ${NAMESPACE} {\nnamespace {\n")
    string(REPLACE "|" ";" pairs "${PAIRS}")
    set(functions "")
    set(index 0)
    foreach(pair IN LISTS pairs)
        string(FIND "${pair}" "=" equals)
        string(SUBSTRING "${pair}" 0 ${equals} function)
        math(EXPR path_start "${equals} + 1")
        string(SUBSTRING "${pair}" ${path_start} -1 path)
        file(READ "${path}" bytes HEX)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${bytes}")
        string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " bytes "${bytes}")
        string(REPLACE " \n" "\n" bytes "${bytes}")
        # The closing zero keeps the array non-empty for an empty file; it is not returned.
        string(APPEND text "\n// ${path}\nconstexpr unsigned char kFile${index}[] = {\n    ${bytes}0x00};\n")
        string(APPEND functions "\nstd::string_view ${function}() {\n"
            "    return {reinterpret_cast<const char*>(kFile${index}), sizeof kFile${index} - 1};\n}\n")
        math(EXPR index "${index} + 1")
    endforeach()
    string(APPEND text "\n} // namespace\n${functions}\n} // namespace ${NAMESPACE}\n")
    file(WRITE "${OUTPUT}" "${text}")
endif()
