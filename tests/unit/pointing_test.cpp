// The pointing aids where the page's figures mean nothing (below the horizon,
// at a pole, rain at a negative elevation) and for dates near and far from
// the magnetic model's years; the dates and offset angles they take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
}  // namespace kestrion
