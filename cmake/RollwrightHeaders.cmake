# SPDX-License-Identifier: MIT
# Each library exports an include root of its own that holds one folder, named
# after its layer, with a forwarding header for each header the library lists.
# Includes then name their layer (<forms/MessageBox.h>) and no target sees the
# whole of src/. Forwarders are written at configure time and only when they
# change, so editing a header never rewrites one.
function(rollwright_export_headers target layer)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.h$")
            get_filename_component(name ${source} NAME)
            get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
            # Relative, so that a tree built in another folder compiles the same.
            file(RELATIVE_PATH relative ${root}/${layer} ${path})
            file(CONFIGURE OUTPUT ${root}/${layer}/${name} CONTENT "#include \"${relative}\"\n")
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
