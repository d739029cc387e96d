// Reading the ITU's digital rain maps that a user downloaded (Kestrion ships
// none): one grid row a line, numbers separated by blanks. With C stdio, so
// that the browser's WebAssembly build reads them too.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calc/rain_map.h"

namespace kestrion {

// A map, or one line naming the file (and the line) and what was wrong.
using RainMapReading = std::variant<calc::RainMap, std::string>;

// The text of a map file; name is how messages call it.
RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind);

RainMapReading readRainMap(const std::string& path, calc::RainMapKind kind);

}  // namespace kestrion
