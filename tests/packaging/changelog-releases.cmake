# SPDX-License-Identifier: MIT
# Writes the AppStream releases that the build makes of a changelog.
#   cmake -DCHANGELOG=FILE -DOUTPUT=FILE -P changelog-releases.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/RollwrightChangelog.cmake)
rollwright_read_changelog("${CHANGELOG}" log)
rollwright_appstream_releases(xml "${log_VERSIONS}" "${log_DATES}")
file(WRITE "${OUTPUT}" "${xml}\n")
