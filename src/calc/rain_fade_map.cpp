#include "calc/rain_fade_map.h"

#include <algorithm>
#include <cmath>

#include "calc/checked.h"

namespace kestrion::calc {
namespace {

// The fractional index of a coordinate on an axis of n points from first to
// first + span, and the lower of the two points around it.
struct Position {
  std::size_t index;
  Real fraction;
};

Position along(Real offset, double span, std::size_t points) {
  const Real scaled = offset * static_cast<double>(points - 1) / span;
  const double lower = std::clamp(std::floor(scaled.value()), 0.0, static_cast<double>(points - 2));
  return {static_cast<std::size_t>(lower), scaled - lower};
}

}  // namespace

const RainMapLayout& rainMapLayout(RainMapKind kind) {
  return kind == RainMapKind::rainRate ? kRainRateMap : kIsothermMap;
}

double mapValue(const RainMap& map, double latitude, double longitude) {
  const RainMapLayout& layout = rainMapLayout(map.kind);
  const Real fromFirstRow = layout.firstLatitude < 0 ? Real(latitude) + 90 : Real(90) - latitude;
  const double east = std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
  const double fromFirstColumn = std::fmod(east - layout.firstLongitude, 360.0);
  const Position r = along(fromFirstRow, 180, map.rows);
  const Position c = along(fromFirstColumn, 360, map.columns);
  const auto at = [&](std::size_t row, std::size_t column) {
    return Real(map.values[row * map.columns + column]);
  };
  const Real up = Real(1) - r.fraction;
  const Real left = Real(1) - c.fraction;
  return (at(r.index, c.index) * up * left + at(r.index + 1, c.index) * r.fraction * left +
          at(r.index, c.index + 1) * up * c.fraction +
          at(r.index + 1, c.index + 1) * r.fraction * c.fraction)
      .value();
}

double rainHeightOfIsotherm(double isothermHeight) {
  return (Real(isothermHeight) + 0.36).value();
}

}  // namespace kestrion::calc
