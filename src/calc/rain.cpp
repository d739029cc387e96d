// Rain attenuation: a rate factor times an elevation factor, one polynomial in
// t = 90 - elevation per rain rate. Note the sign of the square term: it
// subtracts at 5 and 10 mm/h and adds at 50 mm/h.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void RainAttenuationCalc(Window& w) {
  Fields& f = w.fields();
  const Real r = leading(w, TextId::regntext);
  const Real gamma = power(r, 2) * 0.0004 + r * 0.02;
  f.rateFactor = gamma.value();

  const Real rate = whole(w, TextId::regntext);
  const auto elevationT = [&w] { return 90 - leading(w, TextId::el); };
  if (rate == 5) {
    const Real t = elevationT();
    f.elevationFactor = ((4 - power(t, 2) * 0.0016) + (power(10, -5) * 4.15) * power(t, 3)).value();
  }
  if (rate == 10) {
    const Real t = elevationT();
    f.elevationFactor = ((3.8 - power(t, 2) * 0.00084) + power(t, 3) * 0.0000266).value();
  }
  if (rate == 50) {
    const Real t = elevationT();
    f.elevationFactor = ((power(t, 2) * 0.000097 + 2.8) + power(t, 3) * 0.0000035).value();
  }
  show(w, TextId::attenuation, f.elevationFactor * gamma);
}

}  // namespace kestrion::calc
