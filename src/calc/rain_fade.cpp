// The specific attenuation of ITU-R P.838-3 and the attenuation exceeded for
// p % of an average year of ITU-R P.618-14, section 2.2.1.1, step by step in
// the Recommendations' own order and names.
#include "calc/rain_fade.h"

#include <array>
#include <cmath>

#include "calc/checked.h"
#include "libm/elementary.h"

namespace kestrion::calc {
namespace {

constexpr double kPi = 3.14159265358979323846;

Real radians(Real degrees) {
  return degrees * kPi / 180;
}

Real degrees(Real radians) {
  return radians * 180 / kPi;
}

Real exponential(Real x) {
  return checked::result(libm::exp(x.value()));
}

Real log10Of(Real x) {
  return ln(x) / ln(10.0);
}

// One row of ITU-R P.838-3's Tables 1 to 4: a Gaussian term in log10 f.
struct Term {
  double a;
  double b;
  double c;
};

// log10 k (equation 2) or alpha (equation 3): the Gaussian terms, then m log10 f + c.
template <std::size_t N>
struct Fit {
  std::array<Term, N> terms;
  double m;
  double c;
};

// ITU-R P.838-3, Table 1 (k_H), Table 2 (k_V), Table 3 (alpha_H), Table 4 (alpha_V).
constexpr Fit<4> kKH{{{{-5.33980, -0.10008, 1.13098},
                       {-0.35351, 1.26970, 0.45400},
                       {-0.23789, 0.86036, 0.15354},
                       {-0.94158, 0.64552, 0.16817}}},
                     -0.18961,
                     0.71147};
constexpr Fit<4> kKV{{{{-3.80595, 0.56934, 0.81061},
                       {-3.44965, -0.22911, 0.51059},
                       {-0.39902, 0.73042, 0.11899},
                       {0.50167, 1.07319, 0.27195}}},
                     -0.16398,
                     0.63297};
constexpr Fit<5> kAlphaH{{{{-0.14318, 1.82442, -0.55187},
                           {0.29591, 0.77564, 0.19822},
                           {0.32177, 0.63773, 0.13164},
                           {-5.37610, -0.96230, 1.47828},
                           {16.1721, -3.29980, 3.43990}}},
                         0.67849,
                         -1.95537};
constexpr Fit<5> kAlphaV{{{{-0.07771, 2.33840, 0.76284},
                           {0.56727, 0.95545, 0.54039},
                           {-0.20238, 1.14520, 0.26809},
                           {-48.2991, 0.791669, 0.116226},
                           {48.5833, 0.791459, 0.116479}}},
                         -0.053739,
                         0.83433};

template <std::size_t N>
Real fitted(const Fit<N>& fit, Real logF) {
  Real sum = 0;
  for (const Term& t : fit.terms) {
    const Real z = (logF - t.b) / t.c;
    sum = sum + Real(t.a) * exponential(-(z * z));
  }
  return sum + Real(fit.m) * logF + fit.c;
}

// Steps 2 and 3: the slant path below the rain height and its horizontal
// projection. Below 5 degrees the Earth's curvature shortens the path.
Real slantPath(Real height, Real theta, double elevation) {
  constexpr double kEffectiveEarthRadius = 8500;  // km
  const Real s = sine(theta);
  if (elevation >= 5) {
    return height / s;
  }
  return Real(2) * height / (sqroot(s * s + Real(2) * height / kEffectiveEarthRadius) + s);
}

// Step 7: the rain length, from the horizontal reduction factor r0.01.
Real rainLength(Real height, double elevation, Real theta, Real ground, Real r001) {
  const Real zeta = degrees(arctan(height / (ground * r001)));
  if (Real(elevation) < zeta) {
    return ground * r001 / cosine(theta);
  }
  return height / sine(theta);
}

// Step 7: the vertical adjustment factor v0.01.
Real verticalFactor(const RainPath& p, Real theta, Real lengthR, Real gamma) {
  const double chi = std::fabs(p.latitude) < 36 ? 36 - std::fabs(p.latitude) : 0;
  const Real growth = Real(1) - exponential(-(Real(p.elevation) / (Real(1) + chi)));
  const Real f = p.frequency;
  return Real(1) / (Real(1) + sqroot(sine(theta)) *
                                  (Real(31) * growth * sqroot(lengthR * gamma) / (f * f) - 0.45));
}

}  // namespace

RainCoefficients rainCoefficients(double frequency, double elevation, double tilt) {
  const Real logF = log10Of(frequency);
  const Real kH = power(10, fitted(kKH, logF));
  const Real kV = power(10, fitted(kKV, logF));
  const Real alphaH = fitted(kAlphaH, logF);
  const Real alphaV = fitted(kAlphaV, logF);
  // Equations 4 and 5: the tilt seen along the path.
  const Real cosTheta = cosine(radians(elevation));
  const Real mix = cosTheta * cosTheta * cosine(radians(Real(2) * tilt));
  const Real k = (kH + kV + (kH - kV) * mix) / 2;
  const Real alpha =
      (kH * alphaH + kV * alphaV + (kH * alphaH - kV * alphaV) * mix) / (Real(2) * k);
  return {k.value(), alpha.value()};
}

RainFade rainFade(const RainPath& p) {
  const RainCoefficients c = rainCoefficients(p.frequency, p.elevation, p.tilt);
  RainFade fade{c, 0, 0, 0, p.latitude, p.elevation};
  // Step 1 and step 4: no rain above the station, or none at 0.01 %.
  if (!(p.stationHeight < p.rainHeight) || !(0 < p.rainRate)) {
    return fade;
  }
  const Real height = Real(p.rainHeight) - p.stationHeight;
  const Real theta = radians(p.elevation);
  const Real slant = slantPath(height, theta, p.elevation);
  const Real ground = slant * cosine(theta);
  const Real gamma = Real(c.k) * power(p.rainRate, c.alpha);  // step 5
  // Step 6: the horizontal reduction factor.
  const Real r001 = Real(1) / (Real(1) + Real(0.78) * sqroot(ground * gamma / p.frequency) -
                               Real(0.38) * (Real(1) - exponential(Real(-2) * ground)));
  const Real lengthR = rainLength(height, p.elevation, theta, ground, r001);
  const Real lengthE = lengthR * verticalFactor(p, theta, lengthR, gamma);  // step 8
  fade.specificAttenuation = gamma.value();
  fade.effectivePathLength = lengthE.value();
  fade.attenuation001 = (gamma * lengthE).value();  // step 9
  return fade;
}

// Step 10: from 0.01 % to other percentages of the year.
double attenuationExceeded(const RainFade& fade, double percent) {
  if (!(0 < fade.attenuation001)) {
    return 0;
  }
  const double latitude = std::fabs(fade.latitude);
  const Real sinTheta = sine(radians(fade.elevation));
  Real beta = 0;
  if (percent < 1 && latitude < 36) {
    beta = Real(-0.005) * (Real(latitude) - 36);
    if (fade.elevation < 25) {
      beta = beta + 1.8 - Real(4.25) * sinTheta;
    }
  }
  const Real p = percent;
  const Real exponent = Real(0.655) + Real(0.033) * ln(p) - Real(0.045) * ln(fade.attenuation001) -
                        beta * (Real(1) - p) * sinTheta;
  return (Real(fade.attenuation001) * power(p / 0.01, -exponent)).value();
}

}  // namespace kestrion::calc
