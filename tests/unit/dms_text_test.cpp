// Degrees, minutes and seconds from the value labels: rounding to the whole
// second, carries, hemispheres in a language's letters, and sites typed in
// whole seconds coming back as typed.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/dms_text.h"

namespace kestrion {
namespace {

struct Case {
  const char* label;
  AngleKind kind;
  const char* dms;  // nullptr: refused
};
const Case kCases[] = {
    {"-33.9247", AngleKind::Latitude, "33°55'29\"S"},  // typed as 33°55'29"S
    {"60", AngleKind::Latitude, "60°0'0\"N"},          {"0", AngleKind::Longitude, "0°0'0\"E"},
    {"-0.0014", AngleKind::Longitude, "0°0'5\"W"},      // 5.04"
    {"0.0166", AngleKind::Longitude, "0°1'0\"E"},       // 59.76" rounds up and carries
    {"0.1666", AngleKind::Longitude, "0°10'0\"E"},      // 599.76"
    {"-179.9999", AngleKind::Satellite, "180°0'0\"W"},  // 647999.64" carries twice
    {"north", AngleKind::Latitude, nullptr},           {"95", AngleKind::Latitude, nullptr},
};

TEST(DmsText, FromValueLabels) {
  for (const Case& c : kCases) {
    const auto dms = dmsText(c.label, c.kind);
    if (c.dms == nullptr) {
      EXPECT_FALSE(dms) << c.label;
    } else {
      EXPECT_EQ(dms.value_or("<refused>"), c.dms) << c.label;
    }
  }
  EXPECT_EQ(dmsText("-5.5", AngleKind::Longitude, {'N', 'E', 'S', 'O'}), "5°30'0\"O");
}

// Typed in whole seconds, stored to 0.0001 degree, shown again: the same.
TEST(DmsText, WholeSecondSitesComeBackAsTyped) {
  std::mt19937 random(20);
  for (int i = 0; i < 20000; ++i) {
    const bool latitude = i % 2 == 0;
    const AngleKind kind = latitude ? AngleKind::Latitude : AngleKind::Longitude;
    const int limit = (latitude ? 90 : 180) * 3600;
    const int seconds = std::uniform_int_distribution<int>(-limit, limit)(random);
    const int magnitude = std::abs(seconds);
    const char hemisphere = latitude ? (seconds < 0 ? 'S' : 'N') : (seconds < 0 ? 'W' : 'E');
    const std::string typed = std::to_string(magnitude / 3600) + "°" +
                              std::to_string(magnitude / 60 % 60) + "'" +
                              std::to_string(magnitude % 60) + "\"" + hemisphere;
    const auto entry = readAngle(typed, kind).entry;
    ASSERT_TRUE(entry) << typed;
    EXPECT_EQ(dmsText(entry->label, kind), typed);
  }
}

}  // namespace
}  // namespace kestrion
