# SPDX-License-Identifier: MIT
# Stops the build when a page of the help is not in its project's contents:
#   cmake -DPROJECT_FILE=rollwright.qhp "-DPAGES=a.html;b.html" -P RollwrightCheckHelpProject.cmake
file(READ ${PROJECT_FILE} project)
set(missing)
foreach(page IN LISTS PAGES)
    get_filename_component(name ${page} NAME)
    if(NOT project MATCHES "<section [^>]*ref=\"${name}\"")
        list(APPEND missing ${name})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "Pages left out of the contents of ${PROJECT_FILE}: ${missing}")
endif()
