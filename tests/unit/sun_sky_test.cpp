// The sun in the phone's sky: a browser's instant read as the UTC time it
// is (before 1970 too), the direction the sun's own figures give there, and
// the refusals as empty answers rather than figures for the wrong instant.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "calc/sun.h"
#include "session/sun_sky.h"

namespace kestrion {
namespace {

using Json = nlohmann::json;

Session sessionAt(const std::string& latitude) {
  Session session({2027, 3, 4}, 0);
  EXPECT_EQ(session.load().status, RunStatus::ran);
  EXPECT_EQ(session.run("latitude:=" + latitude).status, RunStatus::ran);
  EXPECT_EQ(session.run("longitude:=13.405").status, RunStatus::ran);
  return session;
}

TEST(SunSky, AnInstantIsTheUtcTimeItNames) {
  struct Case {
    double seconds;
    const char* time;
    calc::CalendarDate date;
    double dayFraction;
  };
  const std::array<Case, 4> kCases{{
      {1804157576, "2027-03-04T10:52:56Z", {2027, 3, 4}, (10 * 3600 + 52 * 60 + 56) / 86400.0},
      {-616334400, "1950-06-21T12:00:00Z", {1950, 6, 21}, 0.5},
      {-2208988800, "1900-01-01T00:00:00Z", {1900, 1, 1}, 0},
      {4133980799, "2100-12-31T23:59:59Z", {2100, 12, 31}, 86399 / 86400.0},
  }};
  const Session session = sessionAt("52.52");
  for (const auto& c : kCases) {
    const Json j = Json::parse(sunAtJson(session, c.seconds));
    EXPECT_EQ(j["time"], c.time);
    const calc::SunDirection d =
        calc::sunDirection({52.52, 13.405}, calc::later(calc::utcMidnight(c.date), c.dayFraction));
    EXPECT_NEAR(j["azimuth"].get<double>(), d.azimuth, 1e-9) << c.time;
    EXPECT_NEAR(j["elevation"].get<double>(), d.elevation, 1e-9) << c.time;
    EXPECT_NEAR(j["refractedElevation"].get<double>(), d.refractedElevation, 1e-9) << c.time;
  }
}

TEST(SunSky, RefusedInstantsAndPathsGiveNothing) {
  const Session berlin = sessionAt("52.52");
  const Session pole = sessionAt("90");
  EXPECT_EQ(sunAtJson(berlin, -2208988801), "{}");
  EXPECT_EQ(sunAtJson(berlin, 4133980800), "{}");
  EXPECT_EQ(sunAtJson(berlin, std::nan("")), "{}");
  EXPECT_EQ(sunAtJson(pole, 1804157576), "{}");
  EXPECT_EQ(sunPathJson(berlin, 1804157576, 0, 10), "[]");
  EXPECT_EQ(sunPathJson(berlin, 1804157576, 49, 10), "[]");
  EXPECT_EQ(sunPathJson(berlin, 1804157576, 24, 0.5), "[]");
  EXPECT_EQ(sunPathJson(berlin, 4133980000, 24, 10), "[]");
}

TEST(SunSky, APathIsTheDirectionsAtItsSteps) {
  const Session session = sessionAt("52.52");
  const Json path = Json::parse(sunPathJson(session, 1804118400, 24, 10));  // 2027-03-04 00:00
  ASSERT_EQ(path.size(), 145U);
  EXPECT_EQ(path[0]["time"], "2027-03-04T00:00:00Z");
  EXPECT_EQ(path[144]["time"], "2027-03-05T00:00:00Z");
  EXPECT_EQ(path[66].dump(), Json::parse(sunAtJson(session, 1804118400 + 66 * 600)).dump());
}

}  // namespace
}  // namespace kestrion
