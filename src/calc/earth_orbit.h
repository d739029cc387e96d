// The Earth's orbit about the Sun, from the VSOP87 terms NREL's Solar
// Position Algorithm tabulates: small enough for the browser's module, and
// within 0.8 arcseconds of ERFA's eraEpv00 from 1900 to 2100.
#pragma once

#include <array>

namespace kestrion::calc {

// The Earth's heliocentric position (au) and velocity (au/day) at a TT
// (two-part Julian Date), with ICRS axes.
struct EarthOrbit {
  std::array<double, 3> position;
  std::array<double, 3> velocity;
};

EarthOrbit earthOrbit(double tt1, double tt2);

}  // namespace kestrion::calc
