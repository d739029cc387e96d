#pragma once

namespace kestrion::calc {

// A direction in the sky, degrees: azimuth from true north, elevation.
struct SkyDirection {
  double azimuth;
  double elevation;
};

}  // namespace kestrion::calc
