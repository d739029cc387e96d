// C/N: a plain power budget. The EIRP spread over a sphere of the distance's
// radius, collected by the dish's aperture, against k * T * B. The page keeps
// its own constants: 3.14 for pi and 2.3 for ln 10.
#include "procedures.h"
#include "reading.h"

namespace kestrion::calc {

void CarrierToNoiseCalc(Window& w) {
  const Real rain = w.isSelected(OptionId::rainoff) ? Real(0) : leading(w, TextId::attenuation);
  const Real d = whole(w, TextId::rsat);
  const Real eirp = leading(w, TextId::eirp);
  const Real diameter = leading(w, TextId::diam);
  const Real efficiency = whole(w, TextId::efficiency);
  const Real nf = leading(w, TextId::nflnb);
  const Real ta = leading(w, TextId::ta);
  const Real bw = whole(w, TextId::bw);
  Fields& f = w.fields();

  const Real flux = power(10, eirp / 10) / 4 / 3.14 / power(d, 2) / power(10, 6);
  f.fluxDensity = flux.value();
  const Real aperture = power(diameter, 2) * (Real(3.14) / 40000);
  f.aperture = aperture.value();
  const Real carrier = efficiency * (aperture * flux) / 100;
  f.carrier = carrier.value();
  // The rain allowance adds to the noise figure; it does not dim the carrier.
  const Real te = (power(10, nf / 10 + rain / 10) - 1) * 290;
  f.noiseTemperature = te.value();
  const Real noise = power(10, 6) * (bw * ((power(10, -23) * 1.38) * (ta + te)));
  f.noise = noise.value();
  const Real x = (ln(carrier / noise) * 10 / 2.3) * 10;
  f.ratio = x.value();

  // The ratio passes through its text before it is cut down.
  const Real y = leadingNumber(doubleText(x.value()));
  show(w, TextId::cnres, floorOf(y) / 10);
}

}  // namespace kestrion::calc
