// Antenna Alignment: elevation, compass azimuth, LNB skew and distance to a
// geostationary satellite, and the three pointers that show them. Pointers
// follow the texts as shown (read back), not the unrounded values.
#include "calc/alignment.h"

#include <cmath>

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

// The arc from the site to the satellite, and the elevation in hundredths of
// a degree before the page cuts it down.
struct Arc {
  Real lat;
  Real dLon;
  Real beta;
  Real elevation;
};

Arc arcOf(const Window& w, Real pi) {
  const Real siteLon = leading(w, Value::longitude) * pi / 180;
  const Real satLon = leading(w, Value::satellite) * pi / 180;
  Real lat = leading(w, Value::latitude) * pi / 180;
  // On the equator the sine and tangent of the latitude would be zero.
  if (lat == 0) {
    lat = 0.00001;
  }

  const Real dLon = siteLon - satLon;
  const Real x = cosine(dLon) * cosine(lat);
  // The arccosine of x in arctangent form.
  const Real beta = arctan(-x / sqroot(-x * x + 1)) + pi / 2;
  // 6.6166 Earth radii: the radius of the geostationary orbit.
  const Real gamma = arctan(sine(beta) / (6.6166 - cosine(beta)));

  const Real elevation = ((pi / 2 - gamma) - beta) * 18000 / pi;
  return {lat, dLon, beta, elevation};
}

// The arctangent's azimuth, hundredths of a degree from south (north of the
// equator) or north.
Real azimuthOf(const Arc& arc, Real pi) {
  const Real a = arctan(tangent(arc.dLon) / sine(arc.lat));
  return a * 18000 / pi;
}

}  // namespace

std::optional<SkyDirection> satelliteDirection(const Window& w) {
  try {
    const Real pi = 4 * arctan(1);
    const Arc arc = arcOf(w, pi);
    const double azimuth = azimuthOf(arc, pi).value() / 100;
    const double bearing = arc.lat < 0 ? (azimuth < 0 ? azimuth + 360 : azimuth) : azimuth + 180;
    return SkyDirection{bearing, arc.elevation.value() / 100};
  } catch (const FloatFault&) {
    return std::nullopt;
  }
}

void alignment(Window& w) {
  const Real pi = 4 * arctan(1);
  w.setPi(pi.value());

  const Arc arc = arcOf(w, pi);
  const Real lat = arc.lat;
  const Real dLon = arc.dLon;
  const Real beta = arc.beta;
  show(w, Value::elevation, floorOf(arc.elevation) / 100);

  const Real azimuth = floorOf(azimuthOf(arc, pi)) / 100;
  if (lat < 0) {
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

  const Real skew = arctan(sine(dLon) / tangent(lat));
  show(w, Value::skew, floorOf(skew * 10 * 180 / pi) / 10);
  const Real skewShown = leading(w, Value::skew) * pi / 180;
  pointTo(w, Pointer::skew, sine(skewShown) * 200, cosine(skewShown) * 200);
}

}  // namespace kestrion::calc
