// NF to Noise Temperature: each slider converts its own quantity into the
// other label. The two directions cut down differently (whole kelvin against
// hundredths of a dB), so a round trip need not return to its start.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void noiseFigureToTemperature(Window& w) {
  const auto p = w.slider(Input::converterNoiseFigure).position;
  w.setText(Input::converterNoiseFigure, singleText(static_cast<float>(p) / 10.0F));
  const Real x = singleQuotient(w, Input::converterNoiseFigure, 100.0F);
  const Real t = (power(10, x) - 1) * 290;
  show(w, Input::converterTemperature, floorOf(t));
}

void temperatureToNoiseFigure(Window& w) {
  const auto p = w.slider(Input::converterTemperature).position;
  w.setText(Input::converterTemperature, intText(p));
  const Real t = whole(w, Input::converterTemperature);
  const Real z = t / 290 + 1;
  const Real y = ln(z) * 1000 / ln10();
  show(w, Input::converterNoiseFigure, floorOf(y) / 100);
}

}  // namespace kestrion::calc
