// What rain does to the C/N page's link: the sky noise of ITU-R P.618-14
// section 3, the availability a margin buys and the dish a target needs.
#include <cmath>

#include "calc/checked.h"
#include "calc/rain_fade.h"
#include "libm/elementary.h"
#include "model/controls.h"

namespace kestrion::calc {
namespace {

Real decibels(Real ratio) {
  return Real(10) * ln(ratio) / ln(10.0);
}

// The fade against which a margin is held at p % of the year.
double fadeAt(const RainFade& fade, double percent, std::optional<double> clearSkyTemperature) {
  const double attenuation = attenuationExceeded(fade, percent);
  return clearSkyTemperature ? carrierToNoiseDrop(attenuation, *clearSkyTemperature) : attenuation;
}

Availability bounded(Availability::Bound bound, double percentExceeded) {
  return {bound, 100 - percentExceeded, percentExceeded};
}

}  // namespace

double rainNoiseTemperature(double attenuation) {
  constexpr double kMeanRadiatingTemperature = 275;  // K
  return (Real(kMeanRadiatingTemperature) * (Real(1) - power(10, -Real(attenuation) / 10))).value();
}

double carrierToNoiseDrop(double attenuation, double clearSkyTemperature) {
  const Real rise = Real(rainNoiseTemperature(attenuation)) / clearSkyTemperature;
  return (Real(attenuation) + decibels(Real(1) + rise)).value();
}

// The fade falls as p grows, except that near the equator at low elevations
// the Recommendation's curve turns down again below about 0.01 %: take the
// largest p whose fade reaches the margin, found on a grid in log p, then
// bisect to it.
Availability availabilityFor(const RainFade& fade, double margin,
                             std::optional<double> clearSkyTemperature) {
  // The fade beats the margin at this p.
  const auto reached = [&](double logP) {
    return margin < fadeAt(fade, libm::exp(logP), clearSkyTemperature);
  };
  constexpr int kSteps = 64;
  const double first = libm::log(kRainMinPercent);
  const double last = libm::log(kRainMaxPercent);
  if (reached(last)) {
    return bounded(Availability::Bound::below, kRainMaxPercent);
  }
  int step = kSteps - 1;
  const auto grid = [&](int i) { return i == kSteps ? last : first + (last - first) * i / kSteps; };
  while (step >= 0 && !reached(grid(step))) {
    --step;
  }
  if (step < 0) {
    return bounded(Availability::Bound::atLeast, kRainMinPercent);
  }
  double low = grid(step);  // reached
  double high = grid(step + 1);
  for (;;) {
    const double middle = low + (high - low) / 2;
    if (middle <= low || middle >= high) {
      break;
    }
    (reached(middle) ? low : high) = middle;
  }
  return bounded(Availability::Bound::within, libm::exp(high));
}

ClearSky clearSky(LinkBudget budget) {
  budget.rainAllowance = 0;
  const LinkSteps s = linkSteps(budget);
  return {decibels(Real(s.carrier) / s.noise).value(),
          (Real(budget.antennaTemperature) + s.noiseTemperature).value()};
}

std::optional<int> dishForAvailability(LinkBudget budget, const RainFade& fade,
                                       double requiredCarrierToNoise, double targetAvailability) {
  const double drop = fadeAt(fade, 100 - targetAvailability, clearSky(budget).systemTemperature);
  const double needed = requiredCarrierToNoise + drop;
  const auto reaches = [&](int diameter) {
    budget.diameter = diameter;
    return !(clearSky(budget).carrierToNoise < needed);
  };
  // The rain's noise does not depend on the dish, and C/N grows with it.
  const InputSpec& range = inputSpec(Input::dishDiameter);
  int low = range.min;
  int high = range.max;
  if (!reaches(high)) {
    return std::nullopt;
  }
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (reaches(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

}  // namespace kestrion::calc
