// The pointing aids where the page's figures mean nothing (below the horizon,
// at a pole, rain at a negative elevation) and for dates near and far from
// the magnetic model's years; the dates and offset angles they take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/report.h"
#include "session/session.h"

namespace kestrion {
namespace {

struct Site {
  const char* name;
  std::vector<std::string> events;
  calc::CalendarDate date;
  bool below;
  bool pole;
  bool declination;     // given
  bool bearing;         // given
  const char* warning;  // a part of one of the warnings; nullptr: none
};

constexpr calc::CalendarDate kDay{2026, 1, 1};
const Site kSites[] = {
    {"Visible",
     {"latitude:=52", "longitude:=13", "satellite:=19.2E"},
     kDay,
     false,
     false,
     true,
     true,
     nullptr},
    {"BelowTheHorizon",
     {"latitude:=60", "longitude:=15", "satellite:=120W"},
     kDay,
     true,
     false,
     true,
     false,
     "below the horizon: not visible from this site"},
    {"BelowInTheRain",
     {"latitude:=60", "longitude:=15", "satellite:=120W", "Option2"},
     kDay,
     true,
     false,
     true,
     false,
     "rain allowance is worked out for a negative elevation"},
    {"RainBeforeTheSatelliteSet",
     {"Option1", "latitude:=60", "satellite:=120W"},
     kDay,
     true,
     false,
     true,
     false,
     "rain allowance"},
    {"NorthPole", {"latitude:=90"}, kDay, true, true, false, false, "every direction is south"},
    {"SouthPoleInTheRain",
     {"latitude:=-90", "Option3"},
     kDay,
     true,
     true,
     false,
     false,
     "every direction is north"},
    {"ANearYearLessCertain", {}, {2030, 12, 31}, false, false, true, true, "less certain"},
    {"AYearBefore", {}, {2024, 1, 1}, false, false, true, true, "less certain"},
    {"FurtherNotCovered", {}, {2031, 1, 1}, false, false, false, false, "does not cover this date"},
    {"FarBackNotCovered", {}, {1900, 1, 1}, false, false, false, false, "does not cover this date"},
};

TEST(Pointing, WhereTheFiguresMeanNothing) {
#if !KESTRION_MAGNETIC_MODEL
  GTEST_SKIP() << "built without the magnetic model";
#endif
  for (const Site& c : kSites) {
    SCOPED_TRACE(c.name);
    Session session(c.date, 225);
    ASSERT_EQ(session.load().status, RunStatus::ran);
    for (const std::string& event : c.events) {
      ASSERT_EQ(session.run(event).status, RunStatus::ran) << event;
    }
    const Pointing p = session.pointing();
    EXPECT_EQ(p.belowHorizon, c.below);
    EXPECT_EQ(p.faceTilt.empty(), c.below);
    EXPECT_EQ(p.atPole, c.pole);
    EXPECT_EQ(p.declination.has_value(), c.declination);
    EXPECT_EQ(!p.magneticAzimuth.empty(), c.bearing);
    std::string all;
    for (const std::string& w : p.warnings) {
      EXPECT_FALSE(w.empty());
      all += w + "\n";
    }
    if (c.warning == nullptr) {
      EXPECT_EQ(all, "");
    } else {
      EXPECT_NE(all.find(c.warning), std::string::npos) << all;
    }
  }
}

// Which way the LNB turns, checked against the field's direction worked out
// in three dimensions (the satellite's vertical, as the site receives it,
// against the site's up, seen looking at the satellite): positive is
// clockwise on both sides of the equator.
TEST(Pointing, SkewTurnsAsTheFieldArrives) {
  const struct {
    const char* name;
    const char* latitude;
    const char* longitude;
    const char* satellite;
    const char* skew;  // as the page shows it
    const char* direction;
  } kSkews[] = {
      {"MadridToHispasat", "40.4168", "3.7038W", "30W", "27.4", "clockwise, seen from behind"},
      {"LondonToAstra2", "51.5", "0", "28.2E", "-20.7", "anticlockwise, seen from behind"},
      {"SydneyToTheWest", "-33.87", "151.21", "140E", "-16.2", "anticlockwise, seen from behind"},
      {"SydneyToTheEast", "-33.87", "151.21", "156E", "7", "clockwise, seen from behind"},
      {"DueSouth", "45", "10", "10E", "0", "none: the LNB stays upright"},
      {"BelowTheHorizon", "60", "15", "120W", "", ""},
  };
  for (const auto& c : kSkews) {
    SCOPED_TRACE(c.name);
    Session session(kDay, 0);
    ASSERT_EQ(session.load().status, RunStatus::ran);
    for (const std::string& event :
         {std::string("latitude:=") + c.latitude, std::string("longitude:=") + c.longitude,
          std::string("satellite:=") + c.satellite}) {
      ASSERT_EQ(session.run(event).status, RunStatus::ran) << event;
    }
    const ReportState state = session.reportState();
    const Report report(state, &untranslated);
    if (*c.skew != '\0') {
      EXPECT_EQ(state.window.text(Value::skew), c.skew);
    }
    EXPECT_EQ(report.skewDirection().rfind(c.direction, 0), 0U) << report.skewDirection();
  }
}

TEST(Pointing, DatesAndOffsetAnglesAsTyped) {
  const struct {
    const char* text;
    bool taken;
    const char* problem;
  } kDates[] = {
      {"1900-01-01", true, ""},
      {"2100-12-31", true, ""},
      {"1899-12-31", false, "lies outside the years 1900 to 2100"},
      {"2101-01-01", false, "lies outside the years 1900 to 2100"},
      {"9999-12-31", false, "lies outside the years"},
      {"2026-02-29", false, "is not a date"},
      {"", false, "is empty"},
  };
  for (const auto& d : kDates) {
    EXPECT_EQ(parseDate(d.text).has_value(), d.taken) << d.text;
    if (!d.taken) {
      EXPECT_EQ(dateProblem(d.text).find(d.problem), 0U) << dateProblem(d.text);
    }
  }
  const struct {
    const char* text;
    int tenths;  // -1: refused
  } kOffsets[] = {{"26,5", 265}, {"26.5", 265}, {"45", 450}, {"45,1", -1}, {"26,", -1}, {",5", -1}};
  for (const auto& o : kOffsets) {
    EXPECT_EQ(parseOffsetTenths(o.text).value_or(-1), o.tenths) << o.text;
  }
}

}  // namespace
// The sheet and Copy carry the sun, the motor and a second LNB only once the
// user asked for them, and each request adds just its own table.
TEST(Report, SunMotorAndSecondLnbOnlyOnceAskedFor) {
  const struct {
    const char* asked;
    bool sun;
    const char* motorLimit;  // nullptr: none set
    const char* second;      // nullptr: none
    std::vector<std::string> added;
  } kCases[] = {
      {"nothing", false, nullptr, nullptr, {}},
      {"the sun", true, nullptr, nullptr, {"sun"}},
      {"a motor limit", false, "60", nullptr, {"motor"}},
      {"a second LNB", false, nullptr, "Hotbird 13E", {"motor"}},
      {"all", true, "75", "Hotbird 13E", {"sun", "motor"}},
  };
  for (const auto& c : kCases) {
    Session session(kDay);
    for (const char* event : {"latitude:=52.52", "longitude:=13.405", "satellite:=19.2E"}) {
      ASSERT_EQ(session.run(event).status, RunStatus::ran) << event;
    }
    if (c.sun) {
      SunRequest request;
      request.days = 30;
      session.setSun(request);
    }
    if (c.motorLimit != nullptr) {
      ASSERT_FALSE(session.setMotorLimit(c.motorLimit)) << c.asked;
    }
    if (c.second != nullptr) {
      ASSERT_FALSE(session.setMultifeed(MultifeedOptions{c.second, "0.8", "0.6"})) << c.asked;
    }
    const ReportState state = session.reportState();
    const Report report(state, &untranslated);
    std::vector<std::string> added;
    const std::vector<ReportSection> sections = report.sheetSections();
    for (std::size_t i = 4; i < sections.size(); ++i) {
      added.push_back(sections[i].id);
    }
    EXPECT_EQ(added, c.added) << c.asked;
  }
}

}  // namespace kestrion
