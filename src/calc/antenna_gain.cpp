// Antenna Gain Calculations: the aperture formula G = eta * (pi * D / lambda)^2
// with lambda = 0.3 / f; the diameter in tenths of a metre makes the speed of
// light enter as a plain 3.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void dishGain(Window& w) {
  const Real d = position(w, Input::gainDiameter);
  const Real f = leading(w, Input::frequency);
  const Real e = leading(w, Input::gainEfficiency);
  const Real x = w.pi() * d * f / 3;
  const Real g = power(x, 2) * e / 100;
  const Real y = ln(g) * 100 / ln10();
  show(w, Value::antennaGain, floorOf(y) / 10);
}

}  // namespace kestrion::calc
