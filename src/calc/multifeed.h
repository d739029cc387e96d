// A second LNB on one dish (multifeed): how far apart the two satellites
// are seen from the site, where the second LNB goes beside the first, at the
// focus, and how the rail holding both is tilted. The alignment page's
// geometry: a spherical Earth, the geostationary radius.
#pragma once

#include <cstdint>

namespace kestrion::calc {

// Metres. For an offset dish the focal length is that of the parent
// paraboloid.
struct Dish {
  double diameter;
  double focalLength;
};

// Lo's beam deviation factor: a feed moved off the focus turns the beam by
// less than its own angle from the vertex, by the factor
// (1 + 0.36 q) / (1 + q), q = (D / 4F)^2. Y. T. Lo, "On the beam deviation
// factor of a parabolic reflector", IRE Transactions on Antennas and
// Propagation, vol. AP-8, 1960.
double beamDeviationFactor(const Dish& dish);

// The side of the first LNB the second one goes on, seen from behind the
// dish: opposite to its satellite, so an eastern satellite's LNB goes west.
enum class Side : std::uint8_t { east, west };

struct Multifeed {
  double separation;  // degrees between the two satellites seen from the site
  double offset;      // metres from the focus to the second LNB
  Side side;
  // Degrees the rail through both LNBs leans from the horizontal, seen from
  // behind the dish: the slope of the arc between the two satellites seen
  // from the site; positive when it rises to the right. -90 < tilt <= 90.
  double railTilt;
  double skew;  // the second LNB's own, as the alignment page works it out
};

// The angle between the lines of sight to two satellites, in degrees; always
// larger than their spacing on the orbit, since the site is nearer the arc
// than the Earth's centre is.
double separation(double latitude, double longitude, double first, double second);
double railTilt(double latitude, double longitude, double first, double second);

// x = F tan(separation / BDF).
Multifeed multifeed(double latitude, double longitude, double main, double second,
                    const Dish& dish);

}  // namespace kestrion::calc
