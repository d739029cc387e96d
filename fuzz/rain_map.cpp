// The rain maps' reader on any text. The first byte says which map and which
// grid: mostly small grids of the global extent (2 x 3 up to 9 x 17 points),
// so that a run costs what a few lines cost, now and then the
// Recommendation's own grid, and now and then the file through the rain
// fade's input. A map taken has the grid asked for and values the quantity
// can take, gives a value between its points anywhere, and written out
// again reads back as the same map. A refusal is one line naming the file,
// and through the rain fade leaves the inputs as they were.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "checks.h"
#include "engine/calculator.h"
#include "engine/rain_fade_map_file.h"
#include "session/rain_fade_json.h"
#include "session/session.h"

namespace {

using kestrion::RainMapGrid;
using kestrion::calc::RainMap;
using kestrion::calc::RainMapKind;
using kestrion::fuzz::oneLine;

constexpr std::array<RainMapGrid, 6> kSmallGrids{
    {{2, 3}, {3, 5}, {4, 7}, {5, 9}, {7, 13}, {9, 17}}};

// "NAME: " or "NAME line N: ".
bool namesTheFile(const std::string& message, std::string_view name) {
  return message.starts_with(std::string(name) + ": ") ||
         message.starts_with(std::string(name) + " line ");
}

std::string written(const RainMap& map) {
  std::string text;
  for (std::size_t i = 0; i < map.values.size(); ++i) {
    char number[32];
    text.append(number, std::to_chars(number, number + sizeof number, map.values[i]).ptr);
    text += (i + 1) % map.columns == 0 ? '\n' : ' ';
  }
  return text;
}

void checkMap(const RainMap& map, RainMapKind kind, RainMapGrid grid) {
  const auto& layout = kestrion::calc::rainMapLayout(kind);
  if (map.kind != kind || map.rows != grid.rows || map.columns != grid.columns ||
      map.values.size() != grid.rows * grid.columns) {
    std::abort();
  }
  const auto [low, high] = std::minmax_element(map.values.begin(), map.values.end());
  if (*low < layout.low || *high > layout.high) std::abort();
  const double rounding = 1e-9 * std::max(std::fabs(*low), std::fabs(*high));
  for (const double latitude : {-90.0, -45.3, 0.0, 33.3, 89.99, 90.0}) {
    for (const double longitude : {-180.0, -90.7, 0.0, 17.2, 179.9, 180.0, 359.9}) {
      const double v = kestrion::calc::mapValue(map, latitude, longitude);
      // Four points weighed by their shares stay between the lowest and highest.
      if (!(v >= *low - rounding && v <= *high + rounding)) {
        std::abort();
      }
    }
  }
  const auto again = kestrion::parseRainMap(written(map), "again.txt", kind, grid);
  const auto* back = std::get_if<RainMap>(&again);
  if (back == nullptr || back->values != map.values) std::abort();
}

// A folder of the process's own for the files the rain fade reads.
const std::string& folder() {
  static const std::string path = [] {
    std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    dir += "/kestrion-fuzz-map-XXXXXX";
    if (mkdtemp(dir.data()) == nullptr) std::abort();
    return dir;
  }();
  return path;
}

// The text as a file that the rain fade's input names: a refusal leaves the
// rain fade as it was.
void throughTheRainFade(std::string_view text, RainMapKind kind) {
  const std::string path = folder() + "/map.txt";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
    std::abort();
  }
  std::fclose(file);
  std::optional<kestrion::RainFadeInputs> inputs;
  for (const char* event : {"frequency:=12", "rain-zone:=K", "rain-height:=3"}) {
    if (kestrion::runRainFadeEvent(inputs, event)->status != kestrion::RunStatus::ran) std::abort();
  }
  static const kestrion::Calculator calculator;
  const std::string before = kestrion::rainFadeStateJson(*inputs, calculator.window());
  const auto field = kind == RainMapKind::rainRate ? kestrion::RainFadeField::rainRateMap
                                                   : kestrion::RainFadeField::rainHeightMap;
  if (const auto problem = kestrion::setRainFadeInput(inputs, field, path, "R001.TXT")) {
    if (!oneLine(*problem) || !namesTheFile(*problem, "R001.TXT") ||
        kestrion::rainFadeStateJson(*inputs, calculator.window()) != before) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const RainMapKind kind =
      (data[0] & 1U) != 0 ? RainMapKind::isothermHeight : RainMapKind::rainRate;
  const std::size_t choice = (data[0] >> 1U) % 8;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (choice == 7) {
    throughTheRainFade(text, kind);
    return 0;
  }
  const auto& layout = kestrion::calc::rainMapLayout(kind);
  const RainMapGrid grid = choice < kSmallGrids.size() ? kSmallGrids.at(choice)
                                                       : RainMapGrid{layout.rows, layout.columns};
  const auto reading = kestrion::parseRainMap(text, "grid.txt", kind, grid);
  if (const auto* problem = std::get_if<std::string>(&reading)) {
    if (!oneLine(*problem) || !namesTheFile(*problem, "grid.txt")) std::abort();
    return 0;
  }
  checkMap(std::get<RainMap>(reading), kind, grid);
  return 0;
}
