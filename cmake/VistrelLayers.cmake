# The layer rule of src/: a folder's libraries link only libraries of folders below it, and its
# files include only headers of its own folder and of the folders it links, directly or through
# the libraries it links. A break of the rule fails the configuration (a link upwards) or the
# build (an include upwards or sideways), naming the file and what it may include.
#
# vistrel_check_layers(FOLDERS <folder>... [NO_GUI <folder>...])
#   FOLDERS: the folders of src/ from the bottom layer up, each added with add_subdirectory;
#            a folder may link only folders earlier in the list (or its own).
#   NO_GUI:  folders whose libraries must not link Qt6::Gui or Qt6::Widgets.

set(VISTREL_LAYER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckLayerIncludes.cmake)

# The vistrel libraries `target` links, directly or through the libraries it links.
function(_vistrel_linked_closure target out)
    set(seen "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        get_target_property(links ${current} LINK_LIBRARIES)
        if(NOT links)
            continue()
        endif()
        foreach(link IN LISTS links)
            if(TARGET ${link} AND NOT link IN_LIST seen)
                list(APPEND seen ${link})
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The libraries and executables a folder of src/ defines.
function(_vistrel_folder_targets folder out)
    get_directory_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/src/${folder}
        BUILDSYSTEM_TARGETS)
    set(result "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "EXECUTABLE")
            list(APPEND result ${target})
        endif()
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

function(vistrel_check_layers)
    cmake_parse_arguments(ARG "" "" "FOLDERS;NO_GUI" ${ARGN})

    # Which folder each target comes from.
    foreach(folder IN LISTS ARG_FOLDERS)
        _vistrel_folder_targets(${folder} targets)
        set(targets_of_${folder} ${targets})
        foreach(target IN LISTS targets)
            set(folder_of_${target} ${folder})
        endforeach()
    endforeach()

    set(rank 0)
    foreach(folder IN LISTS ARG_FOLDERS)
        set(allowed ${folder})
        foreach(target IN LISTS targets_of_${folder})
            _vistrel_linked_closure(${target} closure)
            foreach(linked IN LISTS closure)
                if(linked STREQUAL target)
                    message(FATAL_ERROR "${target} links itself through the libraries it links")
                endif()
                if(linked MATCHES "^Qt6::(Gui|Widgets)$" AND folder IN_LIST ARG_NO_GUI)
                    message(FATAL_ERROR "${target} (src/${folder}) links ${linked}; "
                        "src/${folder} needs only QtCore and QtNetwork")
                endif()
                if(NOT DEFINED folder_of_${linked})
                    continue()
                endif()
                set(linked_folder ${folder_of_${linked}})
                list(FIND ARG_FOLDERS ${linked_folder} linked_rank)
                if(linked_rank GREATER rank)
                    message(FATAL_ERROR "${target} (src/${folder}) links ${linked} "
                        "(src/${linked_folder}), a layer above it")
                endif()
                list(APPEND allowed ${linked_folder})
            endforeach()
        endforeach()
        list(REMOVE_DUPLICATES allowed)

        # The includes are checked at every build in which one of the folder's files changed.
        file(GLOB files CONFIGURE_DEPENDS
            ${PROJECT_SOURCE_DIR}/src/${folder}/*.h ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
        string(MAKE_C_IDENTIFIER ${folder} name)
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/layers)
        set(stamp ${CMAKE_BINARY_DIR}/layers/${name}.checked)
        list(JOIN files "|" file_list)
        list(JOIN allowed "|" allowed_list)
        add_custom_command(OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DALLOWED=${allowed_list}
                    -DFILES=${file_list} -DSTAMP=${stamp} -P ${VISTREL_LAYER_SCRIPT}
            DEPENDS ${files} ${VISTREL_LAYER_SCRIPT}
            COMMENT "Checking the includes of src/${folder}"
            VERBATIM)
        add_custom_target(vistrel_layer_check_${name} DEPENDS ${stamp})
        foreach(target IN LISTS targets_of_${folder})
            add_dependencies(${target} vistrel_layer_check_${name})
        endforeach()
        math(EXPR rank "${rank} + 1")
    endforeach()
endfunction()
