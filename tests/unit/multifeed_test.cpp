// A second LNB on one dish: the figures for known pairs in both hemispheres,
// the refusals, and the separation and the rail's tilt checked against
// spherical trigonometry on the alignment page's azimuths and elevations.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "calc/geostationary.h"
#include "calc/multifeed.h"
#include "engine/multifeed_aid.h"
#include "engine/satellites.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

const std::vector<Satellite> kSatellites{
    {"Hot Bird 13E", 13.0}, {"Astra 19.2E", 19.2}, {"Astra 23.5E", 23.5}};

SatelliteFound lookUp(std::string_view name) {
  return lookUpSatellite(kSatellites, name);
}

struct PairCase {
  const char* site[2];
  const char* main;
  const char* second;
  calc::Dish dish;
  double separation, offsetMm;
  calc::Side side;
  double railTilt, skew;
  bool tooClose;
};

TEST(Multifeed, KnownPairs) {
  using calc::Side;
  const PairCase cases[] = {
      {{"50", "10"},
       "13E",
       "Astra 19.2E",
       {0.8, 0.48},
       6.8059,
       63.34,
       Side::west,
       5.0523,
       -7.6410,
       false},
      {{"50", "10"},
       "19.2E",
       "Hot Bird 13E",
       {0.8, 0.48},
       6.8059,
       63.34,
       Side::east,
       5.0523,
       -2.5145,
       false},
      {{"48.2", "16.4"},
       "19.2E",
       "23.5E",
       {0.6, 0.36},
       4.7420,
       33.00,
       Side::west,
       4.3766,
       -6.3063,
       true},
      {{"-33.87", "151.21"},
       "156E",
       "160E",
       {0.9, 0.55},
       4.5469,
       48.18,
       Side::west,
       -9.9416,
       12.8258,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.site[0] + std::string(" ") + c.main + " " + c.second);
    const Calculator w =
        test::after({std::string("latitude:=") + c.site[0], std::string("longitude:=") + c.site[1],
                     std::string("satellite:=") + c.main});
    const auto result = multifeedAid(w.window(), c.second, c.dish, lookUp);
    ASSERT_TRUE(std::holds_alternative<MultifeedAid>(result))
        << std::get<MultifeedRefusal>(result).line;
    const MultifeedAid& aid = std::get<MultifeedAid>(result);
    EXPECT_NEAR(aid.figures.separation, c.separation, 1e-4);
    EXPECT_NEAR(aid.figures.offset * 1000, c.offsetMm, 0.005);
    EXPECT_EQ(aid.figures.side, c.side);
    EXPECT_NEAR(aid.figures.railTilt, c.railTilt, 1e-4);
    EXPECT_NEAR(aid.figures.skew, c.skew, 1e-4);
    EXPECT_EQ(aid.tooClose, c.tooClose);
    EXPECT_EQ(aid.warnings.size(), c.tooClose ? 1U : 0U);
  }
}

// The CLI's line, and the input and arguments of the translated sentence.
TEST(Multifeed, Refusals) {
  using enum MultifeedInput;
  const Calculator w = test::after({"latitude:=50", "longitude:=10", "satellite:=19.2E"});
  const std::tuple<const char*, calc::Dish, MultifeedInput, const char*, const char*> cases[] = {
      {"Foo",
       {0.8, 0.48},
       satellite,
       "second satellite \"Foo\": That is neither a position nor the name of a listed satellite. "
       "Satellite position: -180 to 180 degrees",
       ""},
      {"Astra 19.2E",
       {0.8, 0.48},
       satellite,
       "the second satellite is at the main satellite's position, 19.2E; allowed: a satellite at "
       "another position",
       "Astra 19.2E|19.2E"},
      {"19.2",
       {0.8, 0.48},
       satellite,
       "the second satellite is at the main satellite's position",
       "19.2|19.2E"},
      {"13E",
       {7, 0.48},
       diameter,
       "diameter 7 m is outside the range; allowed: 0.2 to 5 m",
       "7|0.2|5"},
      {"13E",
       {0.8, 0.05},
       focalLength,
       "focal length 0.05 m is outside the range; allowed: 0.1 to 5 m",
       "0.05|0.1|5"},
      {"13E",
       {2, 0.1},
       focalLength,
       "a focal length of 0.1 m on a dish of 2 m is no dish's (F/D 0.05); allowed: F/D 0.2 to "
       "1.5, with the parent paraboloid's focal length for an offset dish",
       "0.1|2|0.05|0.2|1.5"},
  };
  for (const auto& [second, dish, input, line, arguments] : cases) {
    const auto result = multifeedAid(w.window(), second, dish, lookUp);
    ASSERT_TRUE(std::holds_alternative<MultifeedRefusal>(result)) << second;
    const MultifeedRefusal& refusal = std::get<MultifeedRefusal>(result);
    EXPECT_EQ(refusal.line.rfind(line, 0), 0U) << refusal.line;
    EXPECT_EQ(refusal.input, input) << second;
    std::string joined;
    for (const std::string& a : refusal.arguments) {
      joined += (joined.empty() ? "" : "|") + a;
    }
    EXPECT_EQ(joined, arguments) << second;
    EXPECT_EQ(refusal.reading.has_value(), refusal.sentence == nullptr) << second;
  }
}

TEST(Multifeed, LengthsAsTyped) {
  const std::tuple<DishInput, const char*, std::optional<double>, const char*> cases[] = {
      {DishInput::diameter, "0.8", 0.8, ""},
      {DishInput::diameter, "0.1", {}, "is outside the range; allowed: 0.2 to 5 m"},
      {DishInput::focalLength, "5", 5, ""},
      {DishInput::focalLength, "80cm", {}, "is not a number; allowed: 0.1 to 5 m"},
  };
  for (const auto& [input, text, value, problem] : cases) {
    EXPECT_EQ(parseDishLength(input, text), value) << text;
    if (!value) {
      EXPECT_EQ(dishLengthProblem(input, text), problem);
    }
  }
}

TEST(Multifeed, SecondSatelliteBelowTheHorizonIsWarned) {
  const Calculator w = test::after({"latitude:=50", "longitude:=10", "satellite:=19.2E"});
  const auto result = multifeedAid(w.window(), "100E", {0.8, 0.48}, lookUp);
  ASSERT_TRUE(std::holds_alternative<MultifeedAid>(result));
  EXPECT_TRUE(std::get<MultifeedAid>(result).secondBelowHorizon);
  EXPECT_EQ(std::get<MultifeedAid>(result).warnings.back(),
            "The second satellite is below the horizon: not visible from this site.");
}

// The sky as a sphere seen from the site, elevation for latitude and
// azimuth for longitude: the angle between two points, and the slope at the
// midpoint of the great circle through them (positive rising to the right,
// where the azimuth grows).
double skyAngle(const calc::LookAngles& p, const calc::LookAngles& q) {
  const double e1 = p.elevation * kDeg;
  const double e2 = q.elevation * kDeg;
  const double da = (q.azimuth - p.azimuth) * kDeg;
  const double h = std::pow(std::sin((e2 - e1) / 2), 2) +
                   std::cos(e1) * std::cos(e2) * std::pow(std::sin(da / 2), 2);
  return 2 * std::asin(std::sqrt(h)) / kDeg;
}

double skySlope(const calc::LookAngles& p, const calc::LookAngles& q) {
  const double e1 = p.elevation * kDeg;
  const double e2 = q.elevation * kDeg;
  const double a1 = p.azimuth * kDeg;
  const double a2 = q.azimuth * kDeg;
  const double bx = std::cos(e2) * std::cos(a2 - a1);
  const double by = std::cos(e2) * std::sin(a2 - a1);
  const double em = std::atan2(std::sin(e1) + std::sin(e2), std::hypot(std::cos(e1) + bx, by));
  const double am = a1 + std::atan2(by, std::cos(e1) + bx);
  const double bearing =
      std::atan2(std::sin(a2 - am) * std::cos(e2),
                 std::cos(em) * std::sin(e2) - std::sin(em) * std::cos(e2) * std::cos(a2 - am));
  double slope = 90 - bearing / kDeg;
  while (slope > 90) {
    slope -= 180;
  }
  while (slope <= -90) {
    slope += 180;
  }
  return slope;
}

TEST(Multifeed, AgreesWithSphericalTrigonometryOnTheLookAngles) {
  std::mt19937 random(2704);
  const auto between = [&random](double low, double high) {
    return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
  };
  int checked[2] = {0, 0};
  for (int i = 0; i < 20000; ++i) {
    const double latitude = between(-75, 75);
    const double longitude = between(-180, 180);
    const double first = longitude + between(-70, 70);
    const double second = first + between(-25, 25);
    const calc::LookAngles a = calc::lookAngles(latitude, longitude, first);
    const calc::LookAngles b = calc::lookAngles(latitude, longitude, second);
    if (a.elevation <= 1 || b.elevation <= 1 || std::fabs(first - second) < 0.5) {
      continue;
    }
    ++checked[latitude < 0 ? 1 : 0];
    const double apart = calc::separation(latitude, longitude, first, second);
    const double tilt = calc::railTilt(latitude, longitude, first, second);
    if (std::fabs(apart - skyAngle(a, b)) > 0.01 || !(apart > std::fabs(first - second)) ||
        std::fabs(tilt - skySlope(a, b)) > 0.01) {
      FAIL() << latitude << ", " << longitude << ": " << first << ", " << second << ": " << apart
             << " against " << skyAngle(a, b) << ", tilt " << tilt << " against " << skySlope(a, b);
    }
  }
  EXPECT_GT(checked[0], 2000);
  EXPECT_GT(checked[1], 2000);
}

}  // namespace
}  // namespace kestrion
