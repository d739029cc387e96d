# CLI11, nlohmann-json and fast_float are header-only, so the cross builds
# (Windows, web) reuse the build machine's copies. Only their folders are
# linked into a build-local include folder: adding all of /usr/include would
# let glibc's headers shadow the mingw-w64 or wasi-libc ones.
set(KESTRION_HOST_INCLUDE /usr/include CACHE PATH "Where the build machine keeps CLI/ and nlohmann/")
set(kestrion_host_headers ${CMAKE_BINARY_DIR}/host-headers)

function(kestrion_host_header_target target folder)
  if(TARGET ${target})
    return()
  endif()
  if(NOT EXISTS ${KESTRION_HOST_INCLUDE}/${folder})
    message(FATAL_ERROR "${KESTRION_HOST_INCLUDE}/${folder} is missing; "
                        "install the Debian package that has it (scripts/install-deps.sh)")
  endif()
  file(MAKE_DIRECTORY ${kestrion_host_headers})
  file(CREATE_LINK ${KESTRION_HOST_INCLUDE}/${folder} ${kestrion_host_headers}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${kestrion_host_headers})
endfunction()
