#include "bounds.h"

namespace kestrion::sweep {

Bound attenuationBound(int rate) {
  switch (rate) {
    case 5:
      return {0.4012, 21.3607, 15, true};
    case 10:
      return {0.8822, 31.6117, 15, true};
    default:
      return {5.6, 52.7096, 15, true};
  }
}

std::optional<Bound> resultBound(Value id) {
  // HScroll5: T = (10^(p/100) - 1) * 290 for p 0..200: 0 .. 28710 K, whole.
  if (id == valueLabel(Input::converterTemperature)) {
    return Bound{0, 28710, 0, true};
  }
  // HScroll6: 100 log10(1 + T / 290) for T 0..10000: 0 .. 15.50 dB; the
  // noise figure label of HScroll5 itself runs 0 .. 20.
  if (id == valueLabel(Input::converterNoiseFigure)) {
    return Bound{0, 20, 2, true};
  }
  switch (id) {
    // ber: t3, u3 and v are at least 1, so the noise figure is never below 0.
    // Upward: ifchainnf <= 10 log10(10^3 + 10^8) = 80.00004 (IF noise figure
    // 30, cable 50 + receiver 30, IF gain 0); chainnf <= 3 + 10 log10(10^1 +
    // 10^18.000004) = 183.00004 (feed 3, LNB 10, cable 100, gain 0); the antenna
    // adds 400 / 290 to a factor of 10^18.3: 183.00 at most.
    case Value::systemNoiseFigure:
      return Bound{0, 183.01, 2, true};
    // antber: G = (pi d f / 3)^2 e / 100 rises with each input, so the
    // corners bound it: d 1, f 1, e 1 gives G = 0.010966 (-19.599 dB);
    // d 100, f 30, e 200 gives G = 1.974e7 (72.953 dB).
    case Value::antennaGain:
      return Bound{-19.6, 72.9, 1, true};
    // gtber: q = 10^(g/100) / ((10^(n/100) - 1) * 290) with g 10..800,
    // n 1..100: q runs 1.2589 / 2610 = 4.82e-4 (-33.17 dB) .. 10^8 / 6.7544 =
    // 1.48e7 (71.70 dB).
    case Value::figureOfMerit:
      return Bound{-33.2, 71.7, 1, true};
    // The elevation is 90 - gamma - beta degrees with beta in 0..180 and
    // gamma >= 0 small: -90 .. 90.
    case Value::elevation:
      return Bound{-90, 90, 2, true};
    // North: one-argument arctangent (-90..90) + 180; south: brought into
    // 0..360. Either way a compass bearing 0 <= az < 360.
    case Value::azimuth:
      return Bound{0, 360, 2, false};
    // One-argument arctangent in degrees.
    case Value::skew:
      return Bound{-90, 90, 1, true};
    case Value::distance:
    case Value::shownDistance:
      return Bound{kNearestDistance, kFarthestDistance, 0, true};
    case Value::carrierToNoise:
      return kCarrierToNoise;
    default:
      return std::nullopt;
  }
}

}  // namespace kestrion::sweep
