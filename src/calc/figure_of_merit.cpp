// G/T Calculations: antenna gain over the system noise temperature, both from
// the sliders themselves rather than from their labels.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void gtber(Window& w) {
  const Real g = position(w, SliderId::HScroll16);
  const Real n = position(w, SliderId::HScroll15);
  const Real gain = power(10, g / 100);
  const Real factor = power(10, n / 100);
  const Real t = (factor - 1) * 290;
  const Real q = gain / t;
  const Real r = ln(q) * 100 / ln10();
  show(w, TextId::GT, floorOf(r) / 10);
}

}  // namespace kestrion::calc
