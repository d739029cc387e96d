# The engine for the browser: the C API (src/api) over the core, as one
# WebAssembly module, build/web/site/kestrion.wasm. It exports exactly the
# functions src/api/kestrion_api.h declares, read from the header here, so a
# function added there is exported without more ado. WASI's reactor model:
# the page calls _initialize once (static constructors), then the functions.
set(web_site ${CMAKE_BINARY_DIR}/site)
set(built_in ${CMAKE_BINARY_DIR}/built-in)
set(embed ${CMAKE_CURRENT_LIST_DIR}/web/embed.cmake)

# What the module carries inside, so the page needs no further request: the
# magnetic model, served to GeographicLib at the folder an installed Kestrion
# keeps it in (KESTRION_MAGNETIC_INSTALL_DIR), and the scan tables' file
# names, which satellites.cpp parses as it does the folder's.
foreach(name KESTRION_MAGNETIC_SOURCE_DIR KESTRION_MAGNETIC_INSTALL_DIR)
  get_directory_property(${name} DIRECTORY src DEFINITION ${name})
endforeach()
set(model_files ${KESTRION_MAGNETIC_SOURCE_DIR}/wmm2025.wmm ${KESTRION_MAGNETIC_SOURCE_DIR}/wmm2025.wmm.cof)
string(REPLACE ";" "|" model_list "${model_files}")
add_custom_command(OUTPUT ${built_in}/built_in_files.h
  COMMAND ${CMAKE_COMMAND} -DMODE=files -DFOLDER=${KESTRION_MAGNETIC_INSTALL_DIR}
          -DFILES=${model_list} -DOUTPUT=${built_in}/built_in_files.h -P ${embed}
  DEPENDS ${model_files} ${embed}
  COMMENT "Building the magnetic model into the module" VERBATIM)
file(STRINGS ${PROJECT_SOURCE_DIR}/src/engine/satellites.h scan_tables
     REGEX "kScanTableDirectory = \"[^\"]+\"")
string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" scan_tables "${scan_tables}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/engine/satellites.h)
add_custom_command(OUTPUT ${built_in}/scan_table_names.inc
  COMMAND ${CMAKE_COMMAND} -DMODE=names -DFOLDER=${scan_tables}
          -DOUTPUT=${built_in}/scan_table_names.inc -P ${embed}
  DEPENDS ${scan_tables} ${embed}
  COMMENT "Building the scan tables' file names into the module" VERBATIM)
add_custom_target(web_built_in DEPENDS ${built_in}/built_in_files.h ${built_in}/scan_table_names.inc)
add_dependencies(kestrion_geographiclib web_built_in)
add_dependencies(kestrion_engine web_built_in)
target_include_directories(kestrion_engine PRIVATE ${built_in})
target_compile_definitions(kestrion_engine PRIVATE KESTRION_BUILT_IN_SCAN_TABLES=1)

# The exports: every function the header declares.
set(api_header ${PROJECT_SOURCE_DIR}/src/api/kestrion_api.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${api_header})
file(STRINGS ${api_header} declarations REGEX "^[A-Za-z].*[ *]kestrion_[a-z_]+\\(")
set(exports "")
foreach(line IN LISTS declarations)
  string(REGEX MATCH "kestrion_[a-z_]+\\(" name "${line}")
  string(REPLACE "(" "" name "${name}")
  list(APPEND exports ${name})
endforeach()
list(LENGTH exports export_count)
if(export_count LESS 5)
  message(FATAL_ERROR "Found only ${export_count} functions in ${api_header}: ${exports}")
endif()
list(TRANSFORM exports PREPEND "-Wl,--export=" OUTPUT_VARIABLE export_flags)

# A program needs a source; the module's code is all in the libraries.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/kestrion_module.cpp
     CONTENT "// The module is the C API of src/api, linked from its library.\n")
add_executable(kestrion ${CMAKE_BINARY_DIR}/kestrion_module.cpp)
target_link_libraries(kestrion PRIVATE kestrion_api)
target_link_options(kestrion PRIVATE -mexec-model=reactor ${export_flags}
  # Room for the stack beyond wasm-ld's 64 KiB default; memory grows on demand.
  -Wl,-z,stack-size=1048576)
# Relinked when scripts/web-runtime.sh rebuilds the C++ runtime.
set_property(TARGET kestrion APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SYSROOT}/lib/wasm32-wasi/libc++.a ${CMAKE_SYSROOT}/lib/wasm32-wasi/libc++abi.a)

# The module the site ships: optimised for size, without debug sections.
find_program(WASM_OPT wasm-opt REQUIRED)
add_custom_command(OUTPUT ${web_site}/kestrion.wasm
  COMMAND ${CMAKE_COMMAND} -E make_directory ${web_site}
  COMMAND ${WASM_OPT} -Oz --strip-debug --enable-exception-handling $<TARGET_FILE:kestrion>
          -o ${web_site}/kestrion.wasm
  DEPENDS kestrion
  COMMENT "Optimising kestrion.wasm for the site" VERBATIM)
add_custom_target(web_module ALL DEPENDS ${web_site}/kestrion.wasm)
