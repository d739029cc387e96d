# Building the engine for the browser: WebAssembly (wasm32-wasi) with
# Debian's clang 19, lld 19, wasi-libc and wasm32 libc++, and exceptions as
# WebAssembly instructions, so a floating-point fault is caught as natively.
#
# Headers and libraries come from a sysroot that scripts/web-runtime.sh
# builds: wasi-libc and libc++ by symlink, plus an ABI library with exception
# support. With a sysroot clang no longer searches the build machine's
# /usr/include and /usr/local/include, so none of their headers (amd64
# GeographicLib, fast_float, nlohmann-json) can be picked up by accident;
# tests/web/host_headers.py checks what a build read.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/web)

set(KESTRION_WASI_SYSROOT ${CMAKE_CURRENT_LIST_DIR}/../build/web-runtime/sysroot
    CACHE PATH "The sysroot scripts/web-runtime.sh builds")
if(NOT EXISTS ${KESTRION_WASI_SYSROOT}/lib/wasm32-wasi/libc++abi.a)
  message(FATAL_ERROR "${KESTRION_WASI_SYSROOT} is missing or incomplete; "
                      "run scripts/web-runtime.sh first (scripts/build.sh does)")
endif()
set(CMAKE_SYSROOT ${KESTRION_WASI_SYSROOT})

set(triple wasm32-wasi)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_AR llvm-ar-19)
set(CMAKE_RANLIB llvm-ranlib-19)

set(CMAKE_C_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
# The compiler checks compile only: linking needs the web build's own flags.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(CMAKE_FIND_ROOT_PATH ${KESTRION_WASI_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
