#include "geostationary.h"

#include <cmath>

namespace kestrion::calc {
namespace {

double piValue() {
  static const double pi = pagePi().value();
  return pi;
}

}  // namespace

SiteAndSatellite siteAndSatellite(Real latitude, Real longitude, Real satellite) {
  const Real pi = pagePi();
  const Real siteLongitude = longitude * pi / 180;
  const Real satelliteLongitude = satellite * pi / 180;
  Real lat = latitude * pi / 180;
  if (lat == 0) {
    lat = 0.00001;
  }
  return {pi, lat, siteLongitude - satelliteLongitude};
}

Real centralAngle(const SiteAndSatellite& s) {
  const Real x = cosine(s.longitudeDifference) * cosine(s.latitude);
  // The arccosine of x in arctangent form.
  return arctan(-x / sqroot(-x * x + 1)) + s.pi / 2;
}

Real elevationAngle(const SiteAndSatellite& s, Real central) {
  // The angle at the satellite between the Earth's centre and the site.
  const Real gamma = arctan(sine(central) / (kGeostationaryRadius - cosine(central)));
  return (s.pi / 2 - gamma) - central;
}

Real bearingAngle(const SiteAndSatellite& s) {
  return arctan(tangent(s.longitudeDifference) / sine(s.latitude));
}

Real skewAngle(const SiteAndSatellite& s) {
  return arctan(sine(s.longitudeDifference) / tangent(s.latitude));
}

LookAngles lookAngles(double latitude, double longitude, double satellite) {
  const SiteAndSatellite s = siteAndSatellite(latitude, longitude, satellite);
  const double bearing = degrees(bearingAngle(s).value());
  double azimuth = bearing + 180;
  if (s.latitude < 0) {
    azimuth = bearing < 0 ? bearing + 360 : bearing;
  }
  if (azimuth >= 360) {
    azimuth -= 360;
  }
  return {degrees(elevationAngle(s, centralAngle(s)).value()), azimuth,
          degrees(skewAngle(s).value())};
}

double radians(double degrees) {
  return degrees * piValue() / 180;
}

double degrees(double radians) {
  return radians * 180 / piValue();
}

double arctan2(double y, double x) {
  const double pi = piValue();
  if (x > 0) {
    return libm::atan(y / x);
  }
  if (x < 0) {
    const double a = libm::atan(y / x);
    return y >= 0 ? a + pi : a - pi;
  }
  if (y == 0) {
    return 0;
  }
  return y > 0 ? pi / 2 : -pi / 2;
}

double signedDegrees(double d) {
  double r = std::fmod(d, 360.0);
  if (r > 180) {
    r -= 360;
  } else if (r <= -180) {
    r += 360;
  }
  return r;
}

Vector operator-(const Vector& a, const Vector& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double dot(const Vector& a, const Vector& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector cross(const Vector& a, const Vector& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const Vector& v) {
  return std::sqrt(dot(v, v));
}

double angleBetween(const Vector& a, const Vector& b) {
  // Better conditioned than the arccosine of the cosine for small angles.
  return arctan2(length(cross(a, b)), dot(a, b));
}

Vector sitePosition(double latitude, double longitude) {
  const double phi = radians(latitude);
  const double lambda = radians(longitude);
  return {libm::cos(phi) * libm::cos(lambda), libm::cos(phi) * libm::sin(lambda), libm::sin(phi)};
}

Vector satellitePosition(double position) {
  const double lambda = radians(position);
  return {kGeostationaryRadius * libm::cos(lambda), kGeostationaryRadius * libm::sin(lambda), 0};
}

Vector lineOfSight(double latitude, double longitude, double satellite) {
  return satellitePosition(satellite) - sitePosition(latitude, longitude);
}

}  // namespace kestrion::calc
