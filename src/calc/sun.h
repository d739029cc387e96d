// The sun's apparent direction from a place on the Earth, with ERFA (the
// IAU's SOFA routines) for precession-nutation (IAU 2000B), the Earth's
// rotation, aberration and the topocentric parallax, and VSOP87 for the
// Earth's orbit: accurate to about a thousandth of a degree from 1900 to 2100.
// Time goes in as UTC; Delta T comes from a table (deltaT) and gives UT1.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "calc/magnetic.h"

namespace kestrion::calc {

// A place on the WGS84 ellipsoid.
struct Site {
  double latitude;    // degrees, north positive (geodetic)
  double longitude;   // degrees, east positive
  double height = 0;  // metres above the ellipsoid
};

// A UTC instant as ERFA's two-part quasi Julian Date: the Julian Date of a
// UTC midnight and the days after it. A day that ends in a leap second is
// still one day long (86401 SI seconds), as in ERFA.
struct UtcTime {
  double midnight;
  double days;
};

UtcTime utcMidnight(CalendarDate date);
inline UtcTime later(UtcTime t, double days) {
  return {t.midnight, t.days + days};
}
// "2027-03-04T10:52:56Z", to the nearest second (":60" within a leap second).
std::string utcText(UtcTime t);

// TT - UT1 in seconds at a UTC Julian Date (delta_t.cpp).
double deltaT(double julianDate);

// The air of the elevation with refraction; the standard one by default.
struct Air {
  double pressure = 1010;   // hPa
  double temperature = 10;  // degrees Celsius
};

// The Earth's rotation as an almanac states it, in place of the table:
// UT1 = UTC + ut1MinusUtc, TT = UT1 + deltaT (seconds).
struct EarthRotation {
  double deltaT;
  double ut1MinusUtc = 0;
};

struct SunOptions {
  std::optional<EarthRotation> rotation;
  Air air;
};

// The sun's centre as seen from the site.
struct SunDirection {
  double azimuth;             // degrees east of true north, 0 <= a < 360
  double elevation;           // geometric: as the sun would stand without air
  double refractedElevation;  // as it is seen through the air of the options
  double hourAngle;           // topocentric and geometric, degrees, west positive
  double declination;         // likewise, degrees
};

SunDirection sunDirection(const Site& site, UtcTime t, const SunOptions& options = {});

// How much the air lifts a body at a geometric elevation (degrees): the
// Almanac's formula of Saemundsson, good to the horizon; nothing below
// -0.8333 degrees, where not even the sun's upper limb is seen.
double refraction(double elevation, const Air& air);

// What changes slowly in the sun's direction, at one TT: the Earth's place
// and motion, and the pole and origins of the celestial frame.
struct EarthState {
  // As ERFA's C interface takes them.
  double barycentric[2][3];  // NOLINT(modernize-avoid-c-arrays): position, velocity (au, au/d)
  double heliocentric[3];    // NOLINT(modernize-avoid-c-arrays): position (au)
  double x, y;               // the celestial intermediate pole
  double s, sp;              // the CIO and TIO locators (radians)
};

// The sun's direction at many instants near one another, as the searches
// need it: the Earth's state is worked out at TT nodes four days apart and
// interpolated (within 0.0001 degrees of sunDirection), the Earth's
// rotation and the observer's place exactly. Directions are geometric:
// refractedElevation is the elevation.
class SunTrack {
 public:
  explicit SunTrack(const Site& site, const SunOptions& options = {});

  SunDirection at(UtcTime t);
  // A first look, cheaper where the instants are far apart: the Earth's
  // state frozen at the instant anchored last, a few hundredths of a degree
  // off an hour away.
  void anchor(UtcTime t);
  SunDirection roughly(UtcTime t) const;

 private:
  const EarthState& node(long index);

  Site site_;
  SunOptions options_;
  std::map<long, EarthState> nodes_;
  EarthState anchored_{};
};

}  // namespace kestrion::calc
