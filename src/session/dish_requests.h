// What the user asked of the sun and of a second LNB: the session keeps the
// request once the feature was used, and the report and the JSON work their
// figures out from it, so that they never go stale when the site moves.
#pragma once

#include <optional>
#include <string>

#include "calc/obstacle.h"
#include "calc/sun_search.h"

namespace kestrion {

struct SunRequest {
  std::optional<calc::CalendarDate> date;  // the session's when empty
  int days = 365;
  std::optional<double> diameter;          // metres; the C/N page's dish when empty
  double frequency = 12;                   // GHz
  std::optional<double> obstacleHeight;    // metres above the dish
  std::optional<double> obstacleDistance;  // metres, horizontally
  double obstacleMargin = 0;               // degrees
};

// The sun's figures, for the front-ends that put them in words. The dish's
// direction is missing when the satellite is below the horizon, and the
// times and outages are then empty; the obstacle's view needs both of its
// options and the dish.
struct SunFigures {
  calc::CalendarDate date;
  std::optional<calc::SkyDirection> dish;
  calc::SunAndShadow times;
  double diameter;   // metres
  double frequency;  // GHz
  double beamwidth;  // degrees
  double threshold;  // degrees
  calc::OutageForecast outages;
  std::optional<calc::ObstacleView> obstacle;
};

// The second LNB's inputs as typed: the satellite by name or position, the
// dish's lengths in metres.
struct MultifeedOptions {
  std::string satellite;
  std::string diameter;
  std::string focalLength;
};

}  // namespace kestrion
