// Reading the ITU's digital rain maps that a user downloaded (Kestrion ships
// none): one grid row a line, numbers separated by blanks. With C stdio, so
// that the browser's WebAssembly build reads them too. A file is taken only
// when it has exactly its Recommendation's grid and every value is one the
// quantity can take.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/rain_fade_map.h"

namespace kestrion {

// A map, or one line naming the file (and the line) and what was wrong.
using RainMapReading = std::variant<calc::RainMap, std::string>;

struct RainMapGrid {
  std::size_t rows;
  std::size_t columns;
};

// The text of a map file; name is how messages call it. The grid is the
// kind's own, or a coarser one of the same extent.
RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind);
RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind,
                            RainMapGrid grid);

// The file at the path; messages call it name, or the path when name is empty.
RainMapReading readRainMap(const std::string& path, calc::RainMapKind kind,
                           std::string_view name = {});

}  // namespace kestrion
