// Degrees, minutes and seconds from the value labels: rounding to the tenth
// of a second, carries, hemispheres.
#include <gtest/gtest.h>

#include "engine/dms_text.h"

namespace kestrion {
namespace {

struct Case {
  const char* label;
  AngleKind kind;
  const char* dms;  // nullptr: refused
};
const Case kCases[] = {
    {"-33.9247", AngleKind::Latitude, "33°55'28.9\"S"},
    {"60", AngleKind::Latitude, "60°0'0.0\"N"},
    {"0", AngleKind::Longitude, "0°0'0.0\"E"},
    {"-0.0001", AngleKind::Longitude, "0°0'0.4\"W"},  // 0.36" rounds up
    {"0.0167", AngleKind::Longitude, "0°1'0.1\"E"},   // 60.12" carries a minute
    {"-179.9999", AngleKind::Satellite, "179°59'59.6\"W"},
    {"north", AngleKind::Latitude, nullptr},
    {"95", AngleKind::Latitude, nullptr},
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
}

}  // namespace
}  // namespace kestrion
