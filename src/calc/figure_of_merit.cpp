// G/T Calculations: antenna gain over the system noise temperature, both from
// the sliders themselves rather than from their labels.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void figureOfMerit(Window& w) {
  const Real g = position(w, Input::gtAntennaGain);
  const Real n = position(w, Input::gtNoiseFigure);
  const Real gain = power(10, g / 100);
  const Real factor = power(10, n / 100);
  const Real t = (factor - 1) * 290;
  const Real q = gain / t;
  const Real r = ln(q) * 100 / ln10();
  show(w, Value::figureOfMerit, floorOf(r) / 10);
}

}  // namespace kestrion::calc
