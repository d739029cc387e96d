// The ITU's rain maps, read from small grids made here: where each kind puts
// its first row and column, the bilinear reading, the messages for files
// that are no map, and the grids the files must have.
#include <gtest/gtest.h>

#include <string>

#include "engine/rain_fade_map_file.h"

namespace kestrion {
namespace {

using calc::RainMapKind;

// A 5 x 9 grid (45 degree cells) of a plane in the first-row and
// first-column distances, which bilinear interpolation reproduces exactly.
std::string planeGrid(double perRow, double perColumn, double base = 100) {
  std::string text;
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 9; ++column) {
      text += std::to_string(base + perRow * row * 45 + perColumn * column * 45) + " ";
    }
    text += "\r\n";
  }
  return text;
}

std::string rows(int count, const std::string& row) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += row + '\n';
  }
  return text;
}

calc::RainMap parsed(const std::string& text, RainMapKind kind, RainMapGrid grid = {5, 9}) {
  auto reading = parseRainMap(text, "grid.txt", kind, grid);
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
  const calc::RainMap map = parsed(planeGrid(-0.01, 0.001, 3), RainMapKind::isothermHeight);
  for (const Site s : {Site{90, 0, 0, 0}, Site{51.5, -0.14, 38.5, 359.86},
                       Site{-33.9, 151.2, 123.9, 151.2}, Site{-90, 359.5, 180, 359.5}}) {
    EXPECT_NEAR(calc::mapValue(map, s.latitude, s.longitude),
                3 - 0.01 * s.fromFirstRow + 0.001 * s.fromFirstColumn, 1e-9)
        << s.latitude << " " << s.longitude;
  }
  EXPECT_DOUBLE_EQ(calc::rainHeightOfIsotherm(3), 3.36);
}

// Within a cell the four corners are weighed by the opposite areas.
TEST(RainMap, ReadsBetweenFourPointsBilinearly) {
  const calc::RainMap map = parsed("0 0 0\n8 4 0\n", RainMapKind::rainRate, {2, 3});
  EXPECT_DOUBLE_EQ(calc::mapValue(map, 0, -90), 3);       // 0, 0, 8 and 4 equally
  EXPECT_DOUBLE_EQ(calc::mapValue(map, 45, -135), 5.25);  // 8 weighs 9/16, 4 weighs 3/16
}

// The rain rate's grid spelt out, as every grid message ends.
constexpr const char* kRateGrid =
    "allowed: the ITU-R P.837-7 map R001.TXT, 5 rows of 9 values (45° apart, rows from 90° S to "
    "90° N, columns from 180° W to 180° E)";

struct BadMap {
  const char* name;
  std::string text;
  RainMapKind kind;
  std::string message;  // after "R001.TXT"
};

class RainMapErrors : public testing::TestWithParam<BadMap> {};

TEST_P(RainMapErrors, NameTheFileTheLineAndWhatIsAllowed) {
  const BadMap& c = GetParam();
  const auto reading = parseRainMap(c.text, "R001.TXT", c.kind, {5, 9});
  ASSERT_TRUE(std::holds_alternative<std::string>(reading));
  EXPECT_EQ(std::get<std::string>(reading), "R001.TXT" + c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RainMapErrors,
    testing::Values(
        BadMap{"TwoRowsOfThree", "1 2 3\n4 5 6\n", RainMapKind::rainRate,
               std::string(": 2 rows of 3 values; ") + kRateGrid},
        BadMap{"OneRow", "1 2 3 4 5 6 7 8 9\n", RainMapKind::rainRate,
               std::string(": 1 row of 9 values; ") + kRateGrid},
        BadMap{"RowsBeyondTheGrid", planeGrid(0, 0) + planeGrid(0, 0), RainMapKind::rainRate,
               std::string(": 10 rows of 9 values; ") + kRateGrid},
        BadMap{"ShortRow", "1 2 3\n\n4 5\n", RainMapKind::rainRate,
               std::string(" line 3: 2 values, but 3 on the rows above; ") + kRateGrid},
        BadMap{"Empty", "\n \n", RainMapKind::isothermHeight,
               ": no values; allowed: the ITU-R P.839-4 map h0.txt, 5 rows of 9 values (45° "
               "apart, rows from 90° N to 90° S, columns from 0° to 360° E)"},
        BadMap{"NotANumber", "1 2 3\n4 five 6\n", RainMapKind::isothermHeight,
               " line 2: \"five\" is not a number"},
        // A word is echoed as every message echoes a text: escaped, cut when long.
        BadMap{"ControlCharacters", "1 2\x1b[2J 3\n", RainMapKind::isothermHeight,
               " line 1: \"2\\x1b[2J\" is not a number"},
        BadMap{"LongWord", "1 " + std::string(100, 'x') + "\n", RainMapKind::isothermHeight,
               " line 1: \"" + std::string(60, 'x') + "\u2026\" is not a number"},
        BadMap{"NegativeRate", rows(4, "0 0 0 0 0 0 0 0 0") + "0 0 0 0 0 0 0 0 -2\n",
               RainMapKind::rainRate, " line 5: -2 is no rain rate R0.01; allowed: 0 to 300 mm/h"},
        BadMap{"RateAbove300", planeGrid(2, 0), RainMapKind::rainRate,
               " line 4: 370 is no rain rate R0.01; allowed: 0 to 300 mm/h"},
        BadMap{"IsothermInMetres", planeGrid(0, 1), RainMapKind::isothermHeight,
               " line 1: 100 is no 0 °C isotherm height; allowed: -3 to 7 km"}),
    [](const testing::TestParamInfo<BadMap>& info) { return std::string(info.param.name); });

// The files themselves must have their Recommendation's grid: h0.txt's is
// small enough to write whole here, R001.TXT's is the other's size refused.
TEST(RainMap, FilesHaveTheirRecommendationsGrid) {
  std::string row;
  for (int column = 0; column < 241; ++column) {
    row += "2.5 ";
  }
  const std::string h0 = rows(121, row);
  const auto isotherm = parseRainMap(h0, "h0.txt", RainMapKind::isothermHeight);
  ASSERT_TRUE(std::holds_alternative<calc::RainMap>(isotherm)) << std::get<std::string>(isotherm);
  EXPECT_DOUBLE_EQ(calc::mapValue(std::get<calc::RainMap>(isotherm), 40.4, -3.7), 2.5);
  const auto asRate = parseRainMap(h0, "h0.txt", RainMapKind::rainRate);
  ASSERT_TRUE(std::holds_alternative<std::string>(asRate));
  EXPECT_EQ(std::get<std::string>(asRate),
            "h0.txt: 121 rows of 241 values; allowed: the ITU-R P.837-7 map R001.TXT, 1441 rows "
            "of 2881 values (0.125° apart, rows from 90° S to 90° N, columns from 180° W to "
            "180° E)");
  const auto small = parseRainMap(planeGrid(0, 0), "h0.txt", RainMapKind::isothermHeight);
  ASSERT_TRUE(std::holds_alternative<std::string>(small));
  EXPECT_EQ(std::get<std::string>(small).rfind("h0.txt: 5 rows of 9 values; allowed: ", 0), 0U);
}

TEST(RainMap, AMissingFileIsNamed) {
  const auto reading = readRainMap("/nonexistent/h0.txt", RainMapKind::isothermHeight);
  ASSERT_TRUE(std::holds_alternative<std::string>(reading));
  EXPECT_EQ(std::get<std::string>(reading).rfind("/nonexistent/h0.txt: cannot be opened (", 0), 0U);
}

}  // namespace
}  // namespace kestrion
