#include "engine/visible_satellites.h"

#include "calc/checked.h"
#include "engine/pointing.h"
#include "model/numtext.h"

namespace kestrion {

std::vector<VisibleSatellite> visibleSatellites(const std::vector<Satellite>& satellites,
                                                double latitude, double longitude,
                                                std::optional<double> declination) {
  std::vector<VisibleSatellite> visible;
  for (const Satellite& s : satellites) {
    calc::LookAngles look{};
    try {
      look = calc::lookAngles(latitude, longitude, s.position);
    } catch (const FloatFault&) {
      continue;  // no figures, so not shown as visible
    }
    if (!(look.elevation > 0)) {
      continue;
    }
    std::optional<double> bearing;
    if (declination) {
      bearing = magneticBearing(look.azimuth, *declination);
    }
    visible.push_back({s, look, bearing, calc::motorTurn(latitude, longitude, s.position)});
  }
  return visible;
}

std::vector<VisibleSatellite> visibleSatellites(const std::vector<Satellite>& satellites,
                                                const Window& w,
                                                std::optional<double> declination) {
  return visibleSatellites(satellites, leadingNumber(w.text(Input::latitude)),
                           leadingNumber(w.text(Input::longitude)), declination);
}

}  // namespace kestrion
