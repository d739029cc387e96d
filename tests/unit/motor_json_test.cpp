// The visible satellites and the motor and multifeed JSON from a session:
// which satellites are listed, the keys in their order, and a refused
// input's line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "calc/geostationary.h"
#include "session/motor_json.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> keysOf(const Json& j) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : j.items()) {
    keys.push_back(key);
  }
  return keys;
}

// A scan-table folder holding these satellites' files.
std::string scanTables() {
  const auto dir = std::filesystem::temp_directory_path() / "kestrion_motor_json_test";
  std::filesystem::create_directories(dir);
  for (const char* file : {"Astra-19.2E", "Hotbird-13.0E", "Eutelsat-5-West-A-5.0W",
                           "Galaxy13_C-127.0W", "Intelsat-20-68.5E"}) {
    std::ofstream(dir / file) << "";
  }
  return dir.string();
}

Session sessionAt(std::initializer_list<const char*> events) {
  Session session({2026, 1, 1}, 0, SatelliteNames(scanTables()));
  EXPECT_EQ(session.load().status, RunStatus::ran);
  for (const char* e : events) {
    EXPECT_EQ(session.run(e).status, RunStatus::ran) << e;
  }
  return session;
}

TEST(MotorJson, MotorAndPolarMount) {
  const Session session = sessionAt({"latitude:=45", "longitude:=0", "satellite:=30E"});
  const MotorAid aid = motorAid(session, {});
  const Json motor = Json::parse(motorJson(aid));
  EXPECT_EQ(keysOf(motor), (std::vector<std::string>{"angle", "direction", "diseqc"}));
  EXPECT_EQ(motor["angle"].get<double>(), calc::motorTurn(45, 0, 30).angle);
  EXPECT_EQ(motor["direction"], "east");
  EXPECT_EQ(motor["diseqc"], "E0 31 6E FD EA");
  const Json mount = Json::parse(polarMountJson(aid));
  EXPECT_EQ(keysOf(mount),
            (std::vector<std::string>{"latitudeScale", "declinationOffset", "dishElevation"}));
  EXPECT_EQ(mount["latitudeScale"], 45);
  EXPECT_TRUE(motorWarnings(aid).empty());
  EXPECT_FALSE(motorWarnings(motorAid(session, {30})).empty());
}

TEST(MotorJson, VisibleSatellitesWestToEast) {
  Session session = sessionAt({"latitude:=50", "longitude:=10"});
  const auto visible = visibleSatellites(session);
  const Json list = Json::parse(visibleSatellitesJson(visible));
  std::vector<std::string> names;
  for (const Json& s : list) {
    names.push_back(s["name"].get<std::string>());
  }
  // Galaxy 13 at 127 W lies below the horizon of central Europe.
  EXPECT_EQ(names, (std::vector<std::string>{"Eutelsat 5 West A 5.0W", "Hotbird 13.0E",
                                             "Astra 19.2E", "Intelsat 20 68.5E"}));
  const Json& astra = list.at(2);
  EXPECT_EQ(keysOf(astra), (std::vector<std::string>{"name", "position", "elevation", "azimuth",
                                                     "skew", "motorAngle", "motorDirection"}));
  const calc::LookAngles look = calc::lookAngles(50, 10, 19.2);
  EXPECT_EQ(astra["elevation"].get<double>(), look.elevation);
  EXPECT_EQ(astra["azimuth"].get<double>(), look.azimuth);
  EXPECT_EQ(astra["motorDirection"], "east");
  EXPECT_FALSE(
      visibleSatellites(session.satellites().all(), 50, 10, std::nullopt).at(0).magneticBearing);
#if KESTRION_MAGNETIC_MODEL
  ASSERT_TRUE(session.pointing().declination);
  EXPECT_EQ(visible.at(2).magneticBearing,
            magneticBearing(look.azimuth, *session.pointing().declination));
#endif
}

TEST(MotorJson, Multifeed) {
  Session session = sessionAt({"latitude:=50", "longitude:=10", "satellite:=19.2E"});
  const auto aid = multifeedAid(session, {"Hotbird 13.0E", "0.8", "0.48"});
  ASSERT_TRUE(std::holds_alternative<MultifeedAid>(aid));
  const Json j = Json::parse(multifeedJson(std::get<MultifeedAid>(aid)));
  EXPECT_EQ(keysOf(j), (std::vector<std::string>{"separation", "offset", "side", "railTilt", "skew",
                                                 "warnings"}));
  EXPECT_EQ(j["side"], "east");
  EXPECT_TRUE(j["warnings"].empty());
  const std::pair<MultifeedOptions, const char*> refused[] = {
      {{"13E", "x", "0.48"}, "diameter \"x\" is not a number; allowed: 0.2 to 5 m"},
      {{"13E", "0.8", "9"}, "focal length \"9\" is outside the range; allowed: 0.1 to 5 m"},
  };
  for (const auto& [options, message] : refused) {
    const auto result = multifeedAid(session, options);
    ASSERT_TRUE(std::holds_alternative<MultifeedRefusal>(result));
    EXPECT_EQ(std::get<MultifeedRefusal>(result).line, message);
  }
}

}  // namespace
}  // namespace kestrion
