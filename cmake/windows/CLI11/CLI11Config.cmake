# The build machine's header-only CLI11, for the Windows build.
include(${CMAKE_CURRENT_LIST_DIR}/../host_headers.cmake)
kestrion_host_header_target(CLI11::CLI11 CLI)
set(CLI11_FOUND TRUE)
