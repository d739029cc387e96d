// Pointing a dish: elevation, compass azimuth, LNB skew, distance, and the
// three pointers drawn from the texts shown.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/numtext.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

using test::apply;
using test::loaded;
using S = Input;

constexpr double kDeg = std::numbers::pi / 180;

void pointAt(Calculator& w, int latitude, int longitude, int satellite) {
  apply(w, {{S::latitude, static_cast<std::int16_t>(latitude)},
            {S::longitude, static_cast<std::int16_t>(longitude)},
            {S::satellite, static_cast<std::int16_t>(satellite)}});
}

struct AlignmentCase {
  int latitude, longitude, satellite;
  const char* el;  // nullptr: not pinned down for this site
  const char* az;
  const char* offset;
  const char* distance;
};

TEST(Alignment, WorkedValues) {
  const AlignmentCase cases[] = {
      {60, 15, 0, "20.75", "197.19", "8.4", "39560"},
      {50, 0, 20, "29.6", "154.58", "-16.1", "38710"},
      {50, 0, -20, "29.6", "205.41", "16", "38710"},
      // South of the equator the azimuth is the compass bearing, 0..360.
      {-30, 0, 20, "48.74", "36.05", "30.6", "37190"},
      {-30, 0, -20, "48.74", "323.94", "-30.7", "37190"},
      {-90, 0, 0, "-8.6", "0", "0", "42790"},
      // On the equator a tiny latitude stands in for zero: no division by
      // zero, and an overhead satellite is not quite at 90 degrees.
      {0, 0, 0, "89.99", "180", "0", "35780"},
      // Floor, not rounding, decides the last digit.
      {0, 10, 0, "78.23", "269.99", "89.9", "35900"},
      {0, -10, 0, "78.23", "90", "-90", "35900"},
      {90, 0, 0, "-8.6", "180", "0", "42790"},
      // 180 and -180 differ by 2 pi, whose sine and tangent are tiny and negative.
      {60, 180, -180, nullptr, "179.99", "-0.1", nullptr},
      {60, 15, -165, "-36.94", "179.99", "0", "45890"},
  };
  for (const auto& c : cases) {
    Calculator w = loaded();
    pointAt(w, c.latitude, c.longitude, c.satellite);
    SCOPED_TRACE(testing::Message() << c.latitude << ", " << c.longitude << ", " << c.satellite);
    if (c.el != nullptr) {
      EXPECT_EQ(w.window().text(Value::elevation), c.el);
      EXPECT_EQ(w.window().text(Value::distance), c.distance);
    }
    EXPECT_EQ(w.window().text(Value::azimuth), c.az);
    EXPECT_EQ(w.window().text(Value::skew), c.offset);
    EXPECT_EQ(w.window().text(Value::shownDistance), w.window().text(Value::distance));
  }
}

// The bearing from the site to the point under the satellite, by the
// great-circle formula in its atan2 form, in 0..360.
double greatCircleBearing(int latitude, int longitude, int satellite) {
  const double phi = latitude * kDeg;
  const double dLon = (satellite - longitude) * kDeg;
  const double bearing = std::atan2(std::sin(dLon), -std::sin(phi) * std::cos(dLon)) / kDeg;
  return bearing < 0 ? bearing + 360 : bearing;
}

double circularGap(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, 360 - d);
}

TEST(Alignment, SouthernAzimuthIsCompassBearing) {
  Calculator w = loaded();
  int checked = 0;
  for (int latitude = -90; latitude <= -1; latitude += 1) {
    apply(w, {{S::latitude, static_cast<std::int16_t>(latitude)}});
    for (int longitude = -180; longitude <= 180; longitude += 12) {
      apply(w, {{S::longitude, static_cast<std::int16_t>(longitude)}});
      for (int satellite = -180; satellite <= 180; satellite += 5) {
        apply(w, {{S::satellite, static_cast<std::int16_t>(satellite)}});
        if (leadingNumber(w.window().text(Value::elevation)) <= 0) {
          continue;
        }
        ++checked;
        const double az = leadingNumber(w.window().text(Value::azimuth));
        ASSERT_GE(az, 0);
        ASSERT_LT(az, 360);
        ASSERT_LE(circularGap(az, greatCircleBearing(latitude, longitude, satellite)), 0.01 + 1e-9)
            << latitude << ", " << longitude << ", " << satellite << ": az " << az;
      }
    }
  }
  EXPECT_GT(checked, 20000);
}

TEST(Alignment, NorthernAzimuthIsCompassBearingWithinTheVisibleArc) {
  Calculator w = loaded();
  for (int latitude = 1; latitude <= 80; latitude += 3) {
    for (int satellite = -60; satellite <= 60; satellite += 7) {
      pointAt(w, latitude, 0, satellite);
      if (leadingNumber(w.window().text(Value::elevation)) <= 0) {
        continue;
      }
      EXPECT_LE(circularGap(leadingNumber(w.window().text(Value::azimuth)),
                            greatCircleBearing(latitude, 0, satellite)),
                0.01 + 1e-9)
          << latitude << ", " << satellite;
    }
  }
}

TEST(Alignment, PointerEndPointsAtStartUp) {
  const Calculator w = loaded();
  struct Expected {
    Pointer line;
    float x1, y1;
    double x2, y2;
  };
  const Expected expected[] = {{Pointer::azimuth, 1920, 4320, 1713.12, 4988.73},
                               {Pointer::elevation, 6000, 4200, 7122.16, 3774.85},
                               {Pointer::skew, 3960, 4920, 3989.22, 5117.85}};
  for (const auto& e : expected) {
    const Line& l = w.window().line(e.line);
    EXPECT_EQ(l.x1, e.x1) << name(e.line);
    EXPECT_EQ(l.y1, e.y1) << name(e.line);
    EXPECT_NEAR(l.x2, e.x2, 0.01) << name(e.line);
    EXPECT_NEAR(l.y2, e.y2, 0.01) << name(e.line);
  }
}

// Angle and length of a pointer, with the angle measured the way its picture
// reads: the compass from "N" clockwise, the elevation up from the horizontal,
// the skew from straight down towards the right.
struct Hand {
  double length;
  double degrees;
};

Hand compass(const Line& l) {
  const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  return {std::hypot(dx, dy), std::atan2(dx, -dy) / kDeg};
}
Hand elevation(const Line& l) {
  const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  return {std::hypot(dx, dy), std::atan2(-dy, dx) / kDeg};
}
Hand skew(const Line& l) {
  const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  return {std::hypot(dx, dy), std::atan2(dx, dy) / kDeg};
}

TEST(Alignment, PointersFollowTheTextsShown) {
  const int sites[][3] = {{60, 15, 0},    {-30, 0, 20}, {-30, 0, -20}, {-45, 100, 60},
                          {10, -70, -30}, {0, -10, 0},  {90, 0, 0},    {-90, 0, 0}};
  for (const auto& s : sites) {
    Calculator w = loaded();
    pointAt(w, s[0], s[1], s[2]);
    SCOPED_TRACE(testing::Message() << s[0] << ", " << s[1] << ", " << s[2]);
    const Hand az = compass(w.window().line(Pointer::azimuth));
    const Hand el = elevation(w.window().line(Pointer::elevation));
    const Hand off = skew(w.window().line(Pointer::skew));
    EXPECT_NEAR(az.length, 700, 0.01);
    EXPECT_NEAR(el.length, 1200, 0.01);
    EXPECT_NEAR(off.length, 200, 0.01);
    EXPECT_LE(circularGap(az.degrees, leadingNumber(w.window().text(Value::azimuth))), 0.002);
    EXPECT_NEAR(el.degrees, leadingNumber(w.window().text(Value::elevation)), 0.002);
    EXPECT_NEAR(off.degrees, leadingNumber(w.window().text(Value::skew)), 0.01);
  }
}

}  // namespace
}  // namespace kestrion
