// When the sun stands where an installer needs it: in the dish's direction or
// opposite it (a vertical rod's shadow then points the way the dish faces),
// and within the dish's beam of the satellite (a sun outage).
#pragma once

#include <vector>

#include "calc/sky_direction.h"
#include "calc/sun.h"

namespace kestrion::calc {

// An instant the sun's centre, above the horizon, stands at an azimuth, with
// its geometric elevation.
struct SunAtAzimuth {
  UtcTime time;
  double elevation;
};

struct SunAndShadow {
  std::vector<SunAtAzimuth> sun;     // the sun at the azimuth
  std::vector<SunAtAzimuth> shadow;  // at the azimuth + 180: the shadow points along it
};

// Every such instant in the date's UTC day, in order, for an azimuth in
// degrees from true north. Nothing at a pole, where azimuths mean nothing,
// and nothing in the instants the sun passes within about 0.001 degrees of
// the zenith, where it stands in every direction at once.
SunAndShadow sunAndShadow(const Site& site, CalendarDate date, double azimuth,
                          const SunOptions& options = {});

// The sun's half-diameter, degrees.
inline constexpr double kSunRadius = 0.25;

// A dish's -3 dB beamwidth, degrees: 70 lambda / D, with D in metres and the
// frequency in GHz.
double beamwidth(double diameter, double frequency);
// How near the sun's centre must come for the sun to fill part of the beam:
// half the beamwidth and the sun's half-diameter.
inline double outageThreshold(double beamwidth) {
  return beamwidth / 2 + kSunRadius;
}

// A stretch of time in which the sun's centre stands within the threshold of
// the satellite, with the instant and the angle of its closest approach
// (the separation, degrees).
struct OutageWindow {
  UtcTime start;
  UtcTime peak;
  UtcTime end;
  double separation;
};

struct OutageForecast {
  // False when the satellite is below the horizon: the Earth then hides both.
  // Otherwise the sun crosses the satellite's declination twice a year, near
  // the equinoxes, and so reaches it.
  bool sunReachesSatellite = false;
  std::vector<OutageWindow> windows;
};

// Every window whose closest approach falls in the given days from the
// date's UTC midnight (1 to 3660), in order. The satellite's direction is
// geometric, as the sun's is here.
OutageForecast sunOutages(const Site& site, SkyDirection satellite, double threshold,
                          CalendarDate from, int days, const SunOptions& options = {});

}  // namespace kestrion::calc
