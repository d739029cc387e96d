# The build machine's header-only nlohmann-json, for the cross builds (Windows, web).
include(${CMAKE_CURRENT_LIST_DIR}/../host_headers.cmake)
kestrion_host_header_target(nlohmann_json::nlohmann_json nlohmann)
set(nlohmann_json_FOUND TRUE)
