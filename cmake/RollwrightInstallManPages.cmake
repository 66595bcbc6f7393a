# SPDX-License-Identifier: MIT
# Runs at install time, when the prefix is known: writes the program's
# directory and command into the manual pages, compresses them as Debian
# wants them (gzip -9n) and installs them. Set by the install rule:
#   ROLLWRIGHT_MAN_PAGES         the pages, filled in but for the two paths
#   ROLLWRIGHT_MAN_WORK_DIR      where the finished pages are made
#   ROLLWRIGHT_GZIP              the gzip program
#   ROLLWRIGHT_MAN_DIR           the manual's directory under the prefix
#   ROLLWRIGHT_PROGRAM_DIR       the program directory under the prefix
#   ROLLWRIGHT_LAUNCHER          the command under the prefix

# A path as roff text: backslashes and quotes escaped, hyphens kept as the
# hyphen-minus a user types.
function(rollwright_roff_path out path)
    cmake_path(APPEND CMAKE_INSTALL_PREFIX "${path}" OUTPUT_VARIABLE path)
    cmake_path(NORMAL_PATH path)
    string(REPLACE "\\" "\\e" path "${path}")
    string(REPLACE "-" "\\-" path "${path}")
    string(REPLACE "\"" "\\(dq" path "${path}")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

rollwright_roff_path(program_dir "${ROLLWRIGHT_PROGRAM_DIR}")
rollwright_roff_path(launcher "${ROLLWRIGHT_LAUNCHER}")
file(MAKE_DIRECTORY "${ROLLWRIGHT_MAN_WORK_DIR}")
foreach(template IN LISTS ROLLWRIGHT_MAN_PAGES)
    cmake_path(GET template STEM LAST_ONLY page)
    cmake_path(GET page EXTENSION LAST_ONLY section)
    string(SUBSTRING "${section}" 1 -1 section)
    file(READ "${template}" text)
    string(REPLACE "@ROLLWRIGHT_PROGRAM_DIR_ROFF@" "${program_dir}" text "${text}")
    string(REPLACE "@ROLLWRIGHT_LAUNCHER_ROFF@" "${launcher}" text "${text}")
    set(made "${ROLLWRIGHT_MAN_WORK_DIR}/${page}")
    file(WRITE "${made}" "${text}")
    execute_process(COMMAND "${ROLLWRIGHT_GZIP}" -9nf "${made}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ROLLWRIGHT_GZIP} could not compress ${made}")
    endif()
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${ROLLWRIGHT_MAN_DIR}/man${section}"
        TYPE FILE FILES "${made}.gz")
endforeach()
