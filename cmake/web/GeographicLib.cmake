# GeographicLib for the web build, compiled from Debian's source of the
# version the native build links (scripts/web-runtime.sh unpacks it), so the
# browser evaluates the magnetic model with the same code.
set(KESTRION_GEOGRAPHICLIB_SOURCE ${PROJECT_SOURCE_DIR}/build/web-runtime/geographiclib
    CACHE PATH "GeographicLib's unpacked source (scripts/web-runtime.sh)")
set(geo ${KESTRION_GEOGRAPHICLIB_SOURCE})
if(NOT EXISTS ${geo}/src/MagneticModel.cpp)
  message(FATAL_ERROR "${geo} is missing; run scripts/web-runtime.sh first")
endif()

# Config.h as GeographicLib's own build writes it from Config.h.in, in a
# function so its version variables do not replace Kestrion's.
function(kestrion_geographiclib_config output)
  file(STRINGS ${geo}/VERSION PROJECT_VERSION LIMIT_COUNT 1)
  string(REPLACE "." ";" parts ${PROJECT_VERSION})
  list(GET parts 0 PROJECT_VERSION_MAJOR)
  list(GET parts 1 PROJECT_VERSION_MINOR)
  list(GET parts 2 PROJECT_VERSION_PATCH)
  set(GEOGRAPHICLIB_DATA /usr/share/GeographicLib)
  set(GEOGRAPHICLIB_HAVE_LONG_DOUBLE 0)
  set(GEOGRAPHICLIB_WORDS_BIGENDIAN 0)
  set(GEOGRAPHICLIB_PRECISION 2)  # double, as Debian's library
  set(GEOGRAPHICLIB_LIB_TYPE_VAL 0)  # static
  configure_file(${geo}/include/GeographicLib/Config.h.in ${output} @ONLY)
endfunction()
set(geo_config ${CMAKE_BINARY_DIR}/geographiclib/include)
kestrion_geographiclib_config(${geo_config}/GeographicLib/Config.h)

# The units the World Magnetic Model needs.
add_library(kestrion_geographiclib STATIC
  ${geo}/src/CircularEngine.cpp
  ${geo}/src/Geocentric.cpp
  ${geo}/src/MagneticCircle.cpp
  ${geo}/src/MagneticModel.cpp
  ${geo}/src/Math.cpp
  ${geo}/src/SphericalEngine.cpp
  ${geo}/src/Utility.cpp
)
add_library(GeographicLib::GeographicLib ALIAS kestrion_geographiclib)
target_include_directories(kestrion_geographiclib SYSTEM BEFORE PUBLIC ${geo_config} ${geo}/include)
# Its own language level (under C++20 Math.cpp warns of enum and float
# arithmetic), Kestrion's floating-point rules, and no warnings: it is not
# Kestrion's code.
set_target_properties(kestrion_geographiclib PROPERTIES
  CXX_STANDARD 17
  COMPILE_OPTIONS "-ffp-contract=off;-fno-fast-math;-w")
# The browser's C++ library has no <fstream>: the model files are read
# through a stream of our own, found by MagneticModel's unqualified
# `ifstream` (cmake/web/geographiclib_stream.h), so no GeographicLib source
# is changed. It serves the model built in (cmake/web/embed.cmake).
target_compile_options(kestrion_geographiclib PRIVATE
  -include ${CMAKE_CURRENT_LIST_DIR}/geographiclib_stream.h)
target_include_directories(kestrion_geographiclib PRIVATE ${CMAKE_BINARY_DIR}/built-in)
