// The range each result label can show, derived from the slider ranges. A
// text outside its range means a formula or a reading went wrong.
#pragma once

#include <optional>

#include "model/controls.h"

namespace kestrion::sweep {

struct Bound {
  double lo;
  double hi;
  int decimals;     // results are cut down to this many decimals
  bool hiIncluded;  // the azimuth stops short of 360
};

// Distance bounds, km. cos(beta) runs from 1 (satellite overhead) to -1
// (antipode, latitude 0 and a longitude difference of 180):
// sqrt((1 - cos b) * 0.43 + 1) * 35786 / 10 runs from 3578.6 to 4880.56,
// shown as floor(y) * 10: 35780 .. 48800.
inline constexpr double kNearestDistance = 35780;
inline constexpr double kFarthestDistance = 48800;

// Rain allowance L * gamma over t = 90 - elevation in 0..180 (elevations the
// alignment can write lie in -90..90). Each L is a cubic in t; its minimum is
// at the root of dL/dt, its maximum at t = 180:
//   5 mm/h:  gamma 0.11, L 3.6477 (t 25.7) .. 194.19      -> 0.4012 .. 21.361 dB
//   10 mm/h: gamma 0.24, L 3.6759 (t 21.05) .. 131.72     -> 0.8822 .. 31.612 dB
//   50 mm/h: gamma 2,    L 2.8 (t 0, rising) .. 26.355    -> 5.6 .. 52.710 dB
Bound attenuationBound(int rate);

// The C/N in dB, x / 10 = ln(C / N) * 10 / 2.3, rises with EIRP, diameter and
// efficiency and falls with distance, noise figure, antenna temperature,
// bandwidth and the rain allowance; its extremes lie at the corners:
//   best:  EIRP 70, D 500 cm, eta 100 %, NF 0.1, Ta 0, B 1, d 35780, clear sky
//          x = 812.62 -> 81.2
//   worst: EIRP 0, D 20 cm, eta 1 %, NF 10, Ta 100, B 100, d 48800, A 52.71 dB
//          x = -1386.77 -> -138.7
// The readback of x through its text may move floor by one step: 0.1 slack.
inline constexpr Bound kCarrierToNoise{-138.8, 81.3, 1, true};

// The bound of a result text, or nothing for texts that are not results.
std::optional<Bound> resultBound(Value id);

}  // namespace kestrion::sweep
