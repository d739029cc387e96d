# Writes the data the web build carries inside the module, at build time:
#   cmake -DMODE=files -DFOLDER=/dir -DFILES="a|b" -DOUTPUT=x.h -P embed.cmake
#     the files' bytes, as kestrion::web::kBuiltInFiles, each found under
#     FOLDER by its name (the folder where an installed Kestrion keeps it);
#   cmake -DMODE=names -DFOLDER=/dir -DOUTPUT=x.inc -P embed.cmake
#     the names of the files in FOLDER, as a list of string literals.
# Every byte is written as an escape, so no content can break the C++.
cmake_minimum_required(VERSION 3.25)

function(escaped_literal hex out)
  # Adjacent literals of 32 bytes each, to keep lines short.
  string(REPEAT "." 64 line)
  string(REGEX REPLACE "(${line})" "\\1|" text "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" text "${text}")
  string(REPLACE "|" "\"\n    \"" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "files")
  set(body "")
  string(REPLACE "|" ";" files "${FILES}")
  foreach(file IN LISTS files)
    file(READ ${file} hex HEX)
    file(SIZE ${file} size)
    get_filename_component(name ${file} NAME)
    escaped_literal("${hex}" literal)
    string(APPEND body "    {\"${FOLDER}/${name}\",\n     std::string_view(${literal},\n     ${size})},\n")
  endforeach()
  set(text "// Written by cmake/web/embed.cmake; not to be edited.
#pragma once

#include <string_view>

namespace kestrion::web {

struct BuiltInFile {
  std::string_view path;
  std::string_view bytes;
};

inline constexpr BuiltInFile kBuiltInFiles[] = {
${body}};

}  // namespace kestrion::web
")
elseif(MODE STREQUAL "names")
  file(GLOB names RELATIVE ${FOLDER} ${FOLDER}/*)
  if(NOT names)
    message(FATAL_ERROR "${FOLDER} has no files; install dtv-scan-tables (scripts/install-deps.sh)")
  endif()
  list(SORT names)
  set(text "// Written by cmake/web/embed.cmake from the file names in ${FOLDER}.\n")
  foreach(name IN LISTS names)
    string(HEX "${name}" hex)
    escaped_literal("${hex}" literal)
    string(APPEND text "${literal},\n")
  endforeach()
else()
  message(FATAL_ERROR "embed.cmake: MODE must be files or names")
endif()

# Rewritten only when changed, so what includes it is not rebuilt for nothing.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${text}" @ONLY)
