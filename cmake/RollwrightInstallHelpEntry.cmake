# SPDX-License-Identifier: MIT
# Runs at install time, when the prefix is known: writes the help viewer's
# path and its help file into its desktop entry and installs it. Set by the
# install rule:
#   ROLLWRIGHT_HELP_ENTRY_TEMPLATE  the entry, filled in but for the two paths
#   ROLLWRIGHT_HELP_ENTRY           the finished entry, named after the app id
#   ROLLWRIGHT_PROGRAM_DIR          the program directory under the prefix
#   ROLLWRIGHT_APPLICATIONS_DIR     the desktop entries' directory under the prefix
cmake_path(APPEND CMAKE_INSTALL_PREFIX "${ROLLWRIGHT_PROGRAM_DIR}" OUTPUT_VARIABLE program_dir)
cmake_path(NORMAL_PATH program_dir)
cmake_path(APPEND program_dir rollwright-help OUTPUT_VARIABLE HELP_PROGRAM)
cmake_path(APPEND program_dir Rollwright.hlp OUTPUT_VARIABLE HELP_FILE)
configure_file("${ROLLWRIGHT_HELP_ENTRY_TEMPLATE}" "${ROLLWRIGHT_HELP_ENTRY}" @ONLY)
file(INSTALL "${ROLLWRIGHT_HELP_ENTRY}"
    DESTINATION "${CMAKE_INSTALL_PREFIX}/${ROLLWRIGHT_APPLICATIONS_DIR}")
