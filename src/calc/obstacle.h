// Will a tree or a wall block the satellite? From an obstacle's height above
// the dish and its horizontal distance, on flat ground.
#pragma once

#include <optional>

namespace kestrion::calc {

struct ObstacleView {
  double elevation;  // of its top, degrees, seen from the dish
  // The satellite's elevation less that: negative when the obstacle blocks it.
  double clearance;
  // The shortest distance (metres) at which an obstacle of that height
  // clears the satellite by the margin: h / tan(El - margin). None when the
  // satellite stands no higher than the margin, where no distance will do.
  std::optional<double> distanceNeeded;
};

// A height of 0 metres or more, a distance above 0 metres, degrees.
ObstacleView obstacleView(double height, double distance, double satelliteElevation,
                          double margin = 0);

}  // namespace kestrion::calc
