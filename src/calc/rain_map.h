// The ITU's digital maps of R0.01 (ITU-R P.837-7, R001.TXT) and of the 0 degC
// isotherm height (ITU-R P.839-4, h0.txt), as a user downloads them: global
// grids of equally spaced points, read at a site by the bilinear
// interpolation of ITU-R P.1144 on the four grid points around it.
#pragma once

#include <cstddef>
#include <vector>

namespace kestrion::calc {

enum class RainMapKind {
  rainRate,        // rows from 90 S to 90 N, columns from 180 W to 180 E
  isothermHeight,  // rows from 90 N to 90 S, columns from 0 to 360 E
};

struct RainMap {
  RainMapKind kind;
  std::size_t rows;
  std::size_t columns;
  std::vector<double> values;  // row by row, as in the file
};

// A grid of square cells spanning the globe: 180 degrees of latitude in the
// rows, 360 of longitude in the columns.
bool isGlobalGrid(std::size_t rows, std::size_t columns);

// The map's value at a site; latitude -90..90, longitude in degrees east.
double mapValue(const RainMap& map, double latitude, double longitude);

// ITU-R P.839-4: the mean annual rain height is 0.36 km above the isotherm.
double rainHeightOfIsotherm(double isothermHeight);

}  // namespace kestrion::calc
