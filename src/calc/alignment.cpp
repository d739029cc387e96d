// Antenna Alignment: elevation, compass azimuth, LNB skew and distance to a
// geostationary satellite, and the three pointers that show them. Pointers
// follow the texts as shown (read back), not the unrounded values.
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

}  // namespace

void alignment(Window& w) {
  const Real pi = 4 * arctan(1);
  w.setPi(pi.value());

  const Real siteLon = leading(w, Input::longitude) * pi / 180;
  const Real satLon = leading(w, Input::satellite) * pi / 180;
  Real lat = leading(w, Input::latitude) * pi / 180;
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
  show(w, Value::elevation, floorOf(elevation) / 100);

  const Real a = arctan(tangent(dLon) / sine(lat));
  const Real azimuth = floorOf(a * 18000 / pi) / 100;
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
