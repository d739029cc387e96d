// The ITU's rain maps, read from small grids made here: where each kind puts
// its first row and column, the bilinear reading, and the messages for files
// that are no map.
#include <gtest/gtest.h>

#include <string>

#include "engine/rain_map_file.h"

namespace kestrion {
namespace {

using calc::RainMapKind;

// A 5 x 9 grid (45 degree cells) of a plane in the first-row and
// first-column distances, which bilinear interpolation reproduces exactly.
std::string planeGrid(double perRow, double perColumn) {
  std::string text;
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 9; ++column) {
      text += std::to_string(100 + perRow * row * 45 + perColumn * column * 45) + " ";
    }
    text += "\r\n";
  }
  return text;
}

calc::RainMap parsed(const std::string& text, RainMapKind kind) {
  auto reading = parseRainMap(text, "grid.txt", kind);
  EXPECT_TRUE(std::holds_alternative<calc::RainMap>(reading)) << std::get<std::string>(reading);
  return std::get<calc::RainMap>(reading);
}

struct Site {
  double latitude;
  double longitude;
  double fromFirstRow;  // degrees
  double fromFirstColumn;
};

TEST(RainMap, RainRateRowsRunNorthFromTheSouthPoleAndColumnsEastFrom180W) {
  const calc::RainMap map = parsed(planeGrid(1, 0.01), RainMapKind::rainRate);
  for (const Site s :
       {Site{-90, -180, 0, 0}, Site{51.5, -0.14, 141.5, 179.86}, Site{-33.9, 151.2, 56.1, 331.2},
        Site{90, 179.5, 180, 359.5}, Site{0, 180, 90, 0}}) {
    EXPECT_NEAR(calc::mapValue(map, s.latitude, s.longitude),
                100 + s.fromFirstRow + 0.01 * s.fromFirstColumn, 1e-9)
        << s.latitude << " " << s.longitude;
  }
}

TEST(RainMap, IsothermRowsRunSouthFromTheNorthPoleAndColumnsEastFrom0) {
  const calc::RainMap map = parsed(planeGrid(-0.01, 0.001), RainMapKind::isothermHeight);
  for (const Site s : {Site{90, 0, 0, 0}, Site{51.5, -0.14, 38.5, 359.86},
                       Site{-33.9, 151.2, 123.9, 151.2}, Site{-90, 359.5, 180, 359.5}}) {
    EXPECT_NEAR(calc::mapValue(map, s.latitude, s.longitude),
                100 - 0.01 * s.fromFirstRow + 0.001 * s.fromFirstColumn, 1e-9)
        << s.latitude << " " << s.longitude;
  }
  EXPECT_DOUBLE_EQ(calc::rainHeightOfIsotherm(3), 3.36);
}

// Within a cell the four corners are weighed by the opposite areas.
TEST(RainMap, ReadsBetweenFourPointsBilinearly) {
  const calc::RainMap map = parsed("0 0 0\n8 4 0\n", RainMapKind::rainRate);
  EXPECT_DOUBLE_EQ(calc::mapValue(map, 0, -90), 3);       // 0, 0, 8 and 4 equally
  EXPECT_DOUBLE_EQ(calc::mapValue(map, 45, -135), 5.25);  // 8 weighs 9/16, 4 weighs 3/16
}

struct BadMap {
  const char* name;
  std::string text;
  RainMapKind kind;
  std::string message;
};

class RainMapErrors : public testing::TestWithParam<BadMap> {};

TEST_P(RainMapErrors, NameTheFileTheLineAndWhatIsAllowed) {
  const BadMap& c = GetParam();
  const auto reading = parseRainMap(c.text, "R001.TXT", c.kind);
  ASSERT_TRUE(std::holds_alternative<std::string>(reading));
  EXPECT_EQ(std::get<std::string>(reading).substr(0, c.message.size()), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RainMapErrors,
    testing::Values(BadMap{"ShortRow", "1 2 3\n\n4 5\n", RainMapKind::rainRate,
                           "R001.TXT line 3: 2 numbers; allowed: 3, as many as on the first row"},
                    BadMap{"NotANumber", "1 2 3\n4 five 6\n", RainMapKind::isothermHeight,
                           "R001.TXT line 2: \"five\" is not a number"},
                    BadMap{"NegativeRate", "1 -2 3\n", RainMapKind::rainRate,
                           "R001.TXT line 1: -2 is no rain rate; allowed: 0 mm/h or more"},
                    BadMap{"NotGlobal", "1 2 3\n4 5 6\n7 8 9\n", RainMapKind::rainRate,
                           "R001.TXT: 3 rows of 3 numbers are no global map; allowed:"},
                    BadMap{"Empty", "\n \n", RainMapKind::isothermHeight,
                           "R001.TXT: 0 rows of 0 numbers are no global map"}),
    [](const testing::TestParamInfo<BadMap>& info) { return std::string(info.param.name); });

TEST(RainMap, AMissingFileIsNamed) {
  const auto reading = readRainMap("/nonexistent/h0.txt", RainMapKind::isothermHeight);
  ASSERT_TRUE(std::holds_alternative<std::string>(reading));
  EXPECT_EQ(std::get<std::string>(reading).rfind("/nonexistent/h0.txt: cannot be opened (", 0), 0U);
}

}  // namespace
}  // namespace kestrion
