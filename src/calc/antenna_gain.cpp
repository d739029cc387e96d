// Antenna Gain Calculations: the aperture formula G = eta * (pi * D / lambda)^2
// with lambda = 0.3 / f; the diameter in tenths of a metre makes the speed of
// light enter as a plain 3.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void antber(Window& w) {
  const Real d = position(w, SliderId::HScroll8);
  const Real f = leading(w, TextId::frekvens);
  const Real e = leading(w, TextId::eff);
  const Real x = w.fields().pi * d * f / 3;
  const Real g = power(x, 2) * e / 100;
  const Real y = ln(g) * 100 / ln10();
  show(w, TextId::Gain, floorOf(y) / 10);
}

}  // namespace kestrion::calc
