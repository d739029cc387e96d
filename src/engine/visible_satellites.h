// The satellites known by name that are above the horizon at a site, west to
// east: where a fixed dish points for each, as the alignment page works it
// out, and how far a motor on a polar mount turns.
#pragma once

#include <optional>
#include <vector>

#include "calc/geostationary.h"
#include "calc/motor.h"
#include "engine/satellites.h"
#include "model/window.h"

namespace kestrion {

struct VisibleSatellite {
  Satellite satellite;
  calc::LookAngles look;  // degrees, unrounded
  // The compass bearing, unrounded; empty without the site's declination.
  std::optional<double> magneticBearing;
  calc::MotorTurn motor;
};

// Those of the satellites (in their order) above the horizon at the site;
// the declination is the site's, so one evaluation of the magnetic model
// serves the whole list.
std::vector<VisibleSatellite> visibleSatellites(const std::vector<Satellite>& satellites,
                                                double latitude, double longitude,
                                                std::optional<double> declination);

// The same at the site the alignment page shows.
std::vector<VisibleSatellite> visibleSatellites(const std::vector<Satellite>& satellites,
                                                const Window& w, std::optional<double> declination);

}  // namespace kestrion
