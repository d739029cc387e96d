# The build machine's header-only fast_float, for the cross builds (Windows, web).
include(${CMAKE_CURRENT_LIST_DIR}/../host_headers.cmake)
kestrion_host_header_target(FastFloat::fast_float fast_float)
set(FastFloat_FOUND TRUE)
