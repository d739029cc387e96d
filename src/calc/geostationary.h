// A geostationary satellite seen from a site on a spherical Earth: the
// alignment page's look angles, step by step as its procedure takes them,
// and the direction vectors the motor and multifeed aids work with. One
// source for the geometry, so every aid agrees with the page.
#pragma once

#include "checked.h"

namespace kestrion::calc {

// The radius of the geostationary orbit, in Earth radii.
inline constexpr double kGeostationaryRadius = 6.6166;

// Pi as the page computes it.
inline Real pagePi() {
  return 4 * arctan(1);
}

// The site and the satellite in radians, as the page converts them: the
// longitude, the satellite's position, then the latitude. On the equator the
// sine and tangent of the latitude would be zero, so a tiny latitude north
// of it stands in.
struct SiteAndSatellite {
  Real pi;
  Real latitude;
  Real longitudeDifference;  // the site's longitude less the satellite's
};
SiteAndSatellite siteAndSatellite(Real latitude, Real longitude, Real satellite);

// The angle at the Earth's centre between the site and the point under the
// satellite.
Real centralAngle(const SiteAndSatellite& s);
// Radians above the horizon, from the central angle.
Real elevationAngle(const SiteAndSatellite& s, Real central);
// The arctangent the azimuth comes from: from south in the north, from north
// in the south, east negative.
Real bearingAngle(const SiteAndSatellite& s);
Real skewAngle(const SiteAndSatellite& s);

// The page's figures before they are cut down for display, in degrees; the
// azimuth as the compass bearing it shows, 0 <= azimuth < 360.
struct LookAngles {
  double elevation;
  double azimuth;
  double skew;
};
LookAngles lookAngles(double latitude, double longitude, double satellite);

// Degrees to radians and back with the page's pi.
double radians(double degrees);
double degrees(double radians);
// The angle of (x, y) from the x axis, -pi..pi, from musl's atan alone.
double arctan2(double y, double x);
// Degrees brought into -180 < d <= 180.
double signedDegrees(double d);

struct Vector {
  double x, y, z;
};
Vector operator-(const Vector& a, const Vector& b);
double dot(const Vector& a, const Vector& b);
Vector cross(const Vector& a, const Vector& b);
double length(const Vector& v);
double angleBetween(const Vector& a, const Vector& b);  // radians, 0..pi

// In Earth radii, from the Earth's centre: x towards 0 degrees on the equator,
// z towards the North Pole.
Vector sitePosition(double latitude, double longitude);
Vector satellitePosition(double position);
// From the site towards the satellite.
Vector lineOfSight(double latitude, double longitude, double satellite);

}  // namespace kestrion::calc
