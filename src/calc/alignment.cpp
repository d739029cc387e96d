// Antenna Alignment: elevation, compass azimuth, LNB skew and distance to a
// geostationary satellite, and the three pointers that show them. Pointers
// follow the texts as shown (read back), not the unrounded values.
#include "calc/alignment.h"

#include <cmath>

#include "geostationary.h"
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {
namespace {

// Sums formed in double precision, stored in single as the line keeps them.
void pointTo(Window& w, Pointer id, Real dx, Real dy) {
  const Line& l = w.line(id);
  const Real x = Real(l.x1) + dx;
  const Real y = Real(l.y1) + dy;
  w.setLineEnd(id, static_cast<float>(x.value()), static_cast<float>(y.value()));
}

}  // namespace

std::optional<SkyDirection> satelliteDirection(const Window& w) {
  try {
    const Real pi = pagePi();
    const SiteAndSatellite site = siteAndSatellite(
        leading(w, Input::latitude), leading(w, Input::longitude), leading(w, Input::satellite));
    const double elevation = (elevationAngle(site, centralAngle(site)) * 18000 / pi).value() / 100;
    const double a = (bearingAngle(site) * 18000 / pi).value() / 100;
    const double bearing = site.latitude < 0 ? (a < 0 ? a + 360 : a) : a + 180;
    return SkyDirection{bearing, elevation};
  } catch (const FloatFault&) {
    return std::nullopt;
  }
}

void alignment(Window& w) {
  const Real pi = pagePi();
  w.setPi(pi.value());

  const SiteAndSatellite site = siteAndSatellite(
      leading(w, Input::latitude), leading(w, Input::longitude), leading(w, Input::satellite));
  const Real beta = centralAngle(site);
  const Real elevation = elevationAngle(site, beta) * 18000 / pi;
  show(w, Value::elevation, floorOf(elevation) / 100);

  const Real a = bearingAngle(site);
  const Real azimuth = floorOf(a * 18000 / pi) / 100;
  if (site.latitude < 0) {
    // South of the equator the arctangent already gives the bearing from
    // north; bring it into 0..360 so it reads like a compass.
    show(w, Value::azimuth, azimuth < 0 ? azimuth + 360 : azimuth);
  } else {
    show(w, Value::azimuth, azimuth + 180);
  }

  // 35786 km: the height of the geostationary orbit above the equator.
  const Real distance = sqroot((1 - cosine(beta)) * 0.43 + 1) * 35786 / 10;
  show(w, Value::distance, floorOf(distance) * 10);
  w.setText(Value::shownDistance, w.text(Value::distance));

  const Real azShown = leading(w, Value::azimuth) * pi / 180;
  pointTo(w, Pointer::azimuth, sine(azShown) * 700, -(cosine(azShown) * 700));
  const Real elShown = leading(w, Value::elevation) * pi / 180;
  pointTo(w, Pointer::elevation, cosine(elShown) * 1200, sine(elShown) * -1200);

  const Real skew = skewAngle(site);
  show(w, Value::skew, floorOf(skew * 10 * 180 / pi) / 10);
  const Real skewShown = leading(w, Value::skew) * pi / 180;
  pointTo(w, Pointer::skew, sine(skewShown) * 200, cosine(skewShown) * 200);
}

}  // namespace kestrion::calc
