// Rain attenuation: a rate factor times an elevation factor, one polynomial in
// t = 90 - elevation per rain rate. Note the sign of the square term: it
// subtracts at 5 and 10 mm/h and adds at 50 mm/h.
#include "procedures.h"
#include "reading.h"
#include "steps.h"

namespace kestrion::calc {

RainSteps rainSteps(const RainInputs& in) {
  const Real r = in.rate;
  const Real gamma = power(r, 2) * 0.0004 + r * 0.02;
  const Real t = 90 - Real(in.elevation);
  Real factor = 0;
  if (in.wholeRate == 5) {
    factor = (4 - power(t, 2) * 0.0016) + (power(10, -5) * 4.15) * power(t, 3);
  }
  if (in.wholeRate == 10) {
    factor = (3.8 - power(t, 2) * 0.00084) + power(t, 3) * 0.0000266;
  }
  if (in.wholeRate == 50) {
    factor = (power(t, 2) * 0.000097 + 2.8) + power(t, 3) * 0.0000035;
  }
  return {gamma.value(), factor.value()};
}

RainInputs rainInputsOf(const Window& w) {
  const Real rate = leading(w, Value::rainRate);
  const Real wholeRate = whole(w, Value::rainRate);
  return {rate.value(), wholeRate.value(), leading(w, Value::elevation).value()};
}

void rainAttenuation(Window& w) {
  const RainSteps s = rainSteps(rainInputsOf(w));
  show(w, Value::rainAttenuation, Real(s.elevationFactor) * s.rateFactor);
}

}  // namespace kestrion::calc
