# WASI for CMake 3.25, which does not know it: static libraries only, and
# programs are .wasm modules.
set(WASI 1)
set_property(GLOBAL PROPERTY TARGET_SUPPORTS_SHARED_LIBS FALSE)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
