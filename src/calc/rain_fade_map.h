// The ITU's digital maps of R0.01 (ITU-R P.837-7, R001.TXT) and of the 0 degC
// isotherm height (ITU-R P.839-4, h0.txt), as a user downloads them: global
// grids of equally spaced points, read at a site by the bilinear
// interpolation of ITU-R P.1144 on the four grid points around it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kestrion::calc {

enum class RainMapKind {
  rainRate,
  isothermHeight,
};

// A map as its Recommendation gives it: the grid, where it starts, and the
// values the quantity can take, so that a file of other numbers is refused.
struct RainMapLayout {
  std::string_view file;  // "the ITU-R P.837-7 map R001.TXT"
  std::size_t rows;       // pole to pole
  std::size_t columns;    // all round, the first meridian twice
  double firstLatitude;   // of the first row: -90 when the rows run north
  double firstLongitude;  // of the first column, degrees east; the columns run east
  std::string_view quantity;
  double low;
  double high;
  std::string_view unit;
};

// P.837-7: 0.125 degree steps, rows from 90 S, columns from 180 W. The
// heaviest R0.01 on it is about 200 mm/h; 300 leaves room and refuses a map
// in other units.
// P.839-4: 1.5 degree steps, rows from 90 N, columns from 0. h0 lies between
// about 0 km at the poles and 5 km in the tropics; a few km either way leave
// room and refuse a map in metres or feet.
inline constexpr RainMapLayout kRainRateMap{
    "the ITU-R P.837-7 map R001.TXT", 1441, 2881, -90, -180, "rain rate R0.01", 0, 300, "mm/h"};
inline constexpr RainMapLayout kIsothermMap{"the ITU-R P.839-4 map h0.txt", 121, 241, 90,  0,
                                            "0 °C isotherm height",         -3,  7,   "km"};

const RainMapLayout& rainMapLayout(RainMapKind kind);

struct RainMap {
  RainMapKind kind;
  std::size_t rows;  // the layout's, or fewer for a coarser grid of the same extent
  std::size_t columns;
  std::vector<double> values;  // row by row, as in the file
};

// The map's value at a site; latitude -90..90, longitude in degrees east.
double mapValue(const RainMap& map, double latitude, double longitude);

// ITU-R P.839-4: the mean annual rain height is 0.36 km above the isotherm.
double rainHeightOfIsotherm(double isothermHeight);

}  // namespace kestrion::calc
