// The sun's JSON for a session: its keys, the dish's direction as the
// alignment page works it out, the obstacle only with both its options, and
// each refusal one line naming the option and what is allowed.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "model/numtext.h"
#include "session/sun_json.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;

Json sunAfter(const std::vector<std::string>& events, const SunRequest& request = {},
              calc::CalendarDate date = {2027, 3, 4}) {
  Session session(date, 0);
  EXPECT_EQ(session.load().status, RunStatus::ran);
  for (const std::string& event : events) {
    EXPECT_EQ(session.run(event).status, RunStatus::ran) << event;
  }
  return Json::parse(sunJson(session, request));
}

const std::vector<std::string> kBerlin{"latitude:=52.52", "longitude:=13.405", "satellite:=19.2"};

TEST(SunJson, KeysAndFiguresForTheDish) {
  const Json j = sunAfter(kBerlin);
  std::vector<std::string> keys;
  for (const auto& item : j.items()) {
    keys.push_back(item.key());
  }
  EXPECT_EQ(keys,
            (std::vector<std::string>{"date", "azimuth", "elevation", "sunInDirection",
                                      "shadowInDirection", "diameter", "frequency", "beamwidth",
                                      "threshold", "days", "sunReachesSatellite", "transits"}));
  EXPECT_EQ(j["date"], "2027-03-04");
  // The C/N page's dish, 150 cm, at 12 GHz.
  EXPECT_DOUBLE_EQ(j["beamwidth"].get<double>(), 70 * (0.299792458 / 12) / 1.5);
  EXPECT_DOUBLE_EQ(j["threshold"].get<double>(), j["beamwidth"].get<double>() / 2 + 0.25);
  ASSERT_EQ(j["sunInDirection"].size(), 1U);
  EXPECT_EQ(j["sunInDirection"][0]["time"].get<std::string>().substr(0, 11), "2027-03-04T");
  EXPECT_TRUE(j["shadowInDirection"].empty());
  EXPECT_TRUE(j["sunReachesSatellite"]);
  ASSERT_GE(j["transits"].size(), 6U);
  for (const Json& t : j["transits"]) {
    EXPECT_LT(t["start"].get<std::string>(), t["peak"].get<std::string>());
    EXPECT_LT(t["peak"].get<std::string>(), t["end"].get<std::string>());
    EXPECT_GE(t["peak"].get<std::string>(), "2027-03-04");
    EXPECT_LT(t["peak"].get<std::string>(), "2028-03-03");
  }
}

// The unrounded direction cut down is what the page shows, in both
// hemispheres and on the equator.
TEST(SunJson, TheDishsDirectionIsTheAlignmentPages) {
  const std::vector<std::vector<std::string>> sites{
      kBerlin,
      {"latitude:=-33.87", "longitude:=151.21", "satellite:=156"},
      {"latitude:=0", "longitude:=-51.07", "satellite:=-61"},
      {"latitude:=69.65", "longitude:=18.96", "satellite:=-1"},
  };
  for (const auto& events : sites) {
    Session session({2027, 3, 4}, 0);
    session.load();
    for (const std::string& event : events) {
      session.run(event);
    }
    const Json j = Json::parse(sunJson(session, {}));
    const Window& w = session.calculator().window();
    EXPECT_EQ(doubleText(cutDown(j["azimuth"].get<double>() * 100, 2)), w.text(Value::azimuth))
        << events[0];
    EXPECT_EQ(doubleText(cutDown(j["elevation"].get<double>() * 100, 2)), w.text(Value::elevation))
        << events[0];
  }
}

TEST(SunJson, ObstacleOnlyWithBothItsOptions) {
  SunRequest request;
  request.obstacleHeight = 10;
  EXPECT_EQ(sunRequestProblem(request),
            "--obstacle-height needs --obstacle-distance too; allowed: both or neither");
  request.obstacleDistance = 20;
  EXPECT_EQ(sunRequestProblem(request), std::nullopt);
  const Json j = sunAfter(kBerlin, request);
  const double el = j["elevation"].get<double>();
  const Json& o = j["obstacle"];
  EXPECT_NEAR(o["elevation"].get<double>(), std::atan(0.5) * 180 / M_PI, 1e-9);
  EXPECT_NEAR(o["clearance"].get<double>(), el - std::atan(0.5) * 180 / M_PI, 1e-9);
  EXPECT_NEAR(o["distanceNeeded"].get<double>(), 10 / std::tan(el * M_PI / 180), 1e-9);
  request.obstacleMargin = 30;  // above the satellite's 29.7 degrees
  EXPECT_TRUE(sunAfter(kBerlin, request)["obstacle"]["distanceNeeded"].is_null());
}

TEST(SunJson, NothingWhereTheSatelliteIsHiddenOrAtAPole) {
  const Json hidden = sunAfter({"latitude:=52.52", "longitude:=13.405", "satellite:=-100"});
  EXPECT_LT(hidden["elevation"].get<double>(), 0);
  EXPECT_FALSE(hidden["sunReachesSatellite"]);
  EXPECT_TRUE(hidden["transits"].empty());
  const Json pole = sunAfter({"latitude:=90"}, {}, {2027, 6, 21});
  EXPECT_TRUE(pole["sunInDirection"].empty());
  EXPECT_TRUE(pole["shadowInDirection"].empty());
}

TEST(SunJson, RefusalsNameTheOptionAndWhatIsAllowed) {
  struct Row {
    const char* option;
    const char* text;
    const char* message;
  };
  const Row rows[] = {
      {"days", "0", "--days \"0\" is outside the range; allowed: 1 to 3660 days"},
      {"days", "3661", "--days \"3661\" is outside the range; allowed: 1 to 3660 days"},
      {"days", "1.5", "--days \"1.5\" is not a whole number; allowed: 1 to 3660 days"},
      {"days", "", "--days \"\" is not a number; allowed: 1 to 3660 days"},
      {"diameter", "0.1", "--diameter \"0.1\" is outside the range; allowed: 0.2 to 5 m"},
      {"frequency", "60", "--frequency \"60\" is outside the range; allowed: 1 to 55 GHz"},
      {"frequency", "12GHz", "--frequency \"12GHz\" is not a number; allowed: 1 to 55 GHz"},
      {"obstacle-height", "-1",
       "--obstacle-height \"-1\" is outside the range; allowed: 0 to 5000 m above the dish"},
      {"obstacle-distance", "0",
       "--obstacle-distance \"0\" is outside the range; allowed: above 0 up to 50000 m"},
      {"obstacle-margin", "46",
       "--obstacle-margin \"46\" is outside the range; allowed: 0 to 45 degrees"},
      // Typed bytes are echoed on one line (found by the fuzzer: a raw CR).
      {"obstacle-height", "1\r2\x92",
       "--obstacle-height \"1\\x0d2\x92\" is not a number; allowed: 0 to 5000 m above the dish"},
  };
  for (const Row& r : rows) {
    const auto field = sunFieldNamed(r.option);
    ASSERT_TRUE(field) << r.option;
    SunRequest request;
    const auto problem = setSunOption(request, *field, r.text);
    ASSERT_TRUE(problem) << r.option << " " << r.text;
    EXPECT_EQ(sunRefusal(*field, *problem), r.message);
    const SunRequest untouched;
    EXPECT_TRUE(request.days == untouched.days && request.diameter == untouched.diameter &&
                request.frequency == untouched.frequency &&
                request.obstacleHeight == untouched.obstacleHeight &&
                request.obstacleDistance == untouched.obstacleDistance &&
                request.obstacleMargin == untouched.obstacleMargin)
        << "a refusal changes nothing";
  }
}

}  // namespace
}  // namespace kestrion
