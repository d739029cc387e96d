// C/N: a plain power budget. The EIRP spread over a sphere of the distance's
// radius, collected by the dish's aperture, against k * T * B. The page keeps
// its own constants: 3.14 for pi and 2.3 for ln 10.
#include "procedures.h"
#include "reading.h"
#include "steps.h"

namespace kestrion::calc {

LinkSteps linkSteps(const LinkBudget& b) {
  const Real flux = power(10, Real(b.eirp) / 10) / 4 / 3.14 / power(b.distance, 2) / power(10, 6);
  const Real aperture = power(b.diameter, 2) * (Real(3.14) / 40000);
  const Real carrier = Real(b.efficiency) * (aperture * flux) / 100;
  // The rain allowance adds to the noise figure; it does not dim the carrier.
  const Real te = (power(10, Real(b.noiseFigure) / 10 + Real(b.rainAllowance) / 10) - 1) * 290;
  const Real noise =
      power(10, 6) * (Real(b.bandwidth) * ((power(10, -23) * 1.38) * (b.antennaTemperature + te)));
  const Real x = (ln(carrier / noise) * 10 / 2.3) * 10;
  return {flux.value(), aperture.value(), carrier.value(), te.value(), noise.value(), x.value()};
}

LinkBudget budgetOf(const Window& w) {
  LinkBudget b{};
  b.rainAllowance = w.isSelected(Rain::clearSky) ? 0.0 : leading(w, Value::rainAttenuation).value();
  b.distance = whole(w, Value::distance).value();
  b.eirp = leading(w, Input::eirp).value();
  b.diameter = leading(w, Input::dishDiameter).value();
  b.efficiency = whole(w, Input::dishEfficiency).value();
  b.noiseFigure = leading(w, Input::linkNoiseFigure).value();
  b.antennaTemperature = leading(w, Input::dishTemperature).value();
  b.bandwidth = whole(w, Input::bandwidth).value();
  return b;
}

void carrierToNoise(Window& w) {
  // The ratio passes through its text before it is cut down.
  const Real y = leadingNumber(doubleText(linkSteps(budgetOf(w)).ratio));
  show(w, Value::carrierToNoise, floorOf(y) / 10);
}

}  // namespace kestrion::calc
