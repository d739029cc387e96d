#include "calc/obstacle.h"

#include "libm/elementary.h"

namespace kestrion::calc {
namespace {

constexpr double kDegree = 3.141592653589793 / 180;

}  // namespace

ObstacleView obstacleView(double height, double distance, double satelliteElevation,
                          double margin) {
  const double top = libm::atan(height / distance) / kDegree;
  ObstacleView view{top, satelliteElevation - top, std::nullopt};
  const double above = satelliteElevation - margin;
  if (above > 0) {
    view.distanceNeeded = height == 0 ? 0 : height / libm::tan(above * kDegree);
  }
  return view;
}

}  // namespace kestrion::calc
