#include "multifeed.h"

#include <cmath>

#include "geostationary.h"

namespace kestrion::calc {
namespace {

Vector unit(const Vector& v) {
  const double l = length(v);
  return {v.x / l, v.y / l, v.z / l};
}

Vector sum(const Vector& a, const Vector& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

}  // namespace

double beamDeviationFactor(const Dish& dish) {
  const double ratio = dish.diameter / (4 * dish.focalLength);
  const double q = ratio * ratio;
  return (1 + 0.36 * q) / (1 + q);
}

double separation(double latitude, double longitude, double first, double second) {
  return degrees(angleBetween(lineOfSight(latitude, longitude, first),
                              lineOfSight(latitude, longitude, second)));
}

double railTilt(double latitude, double longitude, double first, double second) {
  const Vector a = unit(lineOfSight(latitude, longitude, first));
  const Vector b = unit(lineOfSight(latitude, longitude, second));
  // Looking along the bisector, the chord between the two lies across the
  // view; right and up as the installer behind the dish sees them.
  const Vector view = unit(sum(a, b));
  const Vector across = cross(view, sitePosition(latitude, longitude));
  if (length(across) < 1e-12) {
    return 0;  // looking straight up, no side is up; the arc runs east-west
  }
  const Vector right = unit(across);
  const Vector up = cross(right, view);
  const Vector chord = b - a;
  double tilt = degrees(arctan2(dot(chord, up), dot(chord, right)));
  // A rail has no direction.
  if (tilt > 90) {
    tilt -= 180;
  } else if (tilt <= -90) {
    tilt += 180;
  }
  return tilt;
}

Multifeed multifeed(double latitude, double longitude, double main, double second,
                    const Dish& dish) {
  const double apart = separation(latitude, longitude, main, second);
  const double offset = dish.focalLength * libm::tan(radians(apart) / beamDeviationFactor(dish));
  const Side side = signedDegrees(second - main) > 0 ? Side::west : Side::east;
  return {apart, offset, side, railTilt(latitude, longitude, main, second),
          lookAngles(latitude, longitude, second).skew};
}

}  // namespace kestrion::calc
