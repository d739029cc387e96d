// The sun by ERFA's chain from the Earth's orbit to the observed place: the
// Earth about the Sun (earth_orbit.cpp), eraPnm00b and eraS00 (the pole and
// the CIO, IAU 2000B: its 77 terms of nutation are good to a milliarcsecond,
// and keep the browser's module 50 KB smaller than 2000A's 1365), eraApco
// (the observer's place and motion, the Earth's rotation), then aberration
// (eraAb), the celestial frame of date (bpn) and eraAtioq for azimuth,
// zenith distance, hour angle and declination. eraApco13 and eraAtciq do the
// same for a star; the sun needs its own first step, the observer-to-sun
// vector, since a star's parallax and light deflection do not describe it.
// eraApco works out the observer's place from the site, so the topocentric
// parallax (up to 8.8") is exact.
#include "calc/sun.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "calc/earth_orbit.h"
#include "libm/elementary.h"

namespace kestrion::calc {
namespace {

struct Scales {
  double tt1, tt2;    // TT as a two-part Julian Date
  double ut11, ut12;  // UT1 likewise
};

// 1960-01-01, 0h UTC, when UTC began.
constexpr double kUtcBegins = 2436934.5;

Scales scales(UtcTime t, const SunOptions& options) {
  Scales s{};
  if (options.rotation) {
    eraUtcut1(t.midnight, t.days, options.rotation->ut1MinusUtc, &s.ut11, &s.ut12);
    eraUt1tt(s.ut11, s.ut12, options.rotation->deltaT, &s.tt1, &s.tt2);
    return s;
  }
  const double dt = deltaT(t.midnight + t.days);
  if (t.midnight + t.days < kUtcBegins) {
    // Before UTC, civil time was Greenwich mean solar time: UT.
    s.ut11 = t.midnight;
    s.ut12 = t.days;
    eraUt1tt(s.ut11, s.ut12, dt, &s.tt1, &s.tt2);
    return s;
  }
  double tai1 = 0;
  double tai2 = 0;
  eraUtctai(t.midnight, t.days, &tai1, &tai2);
  eraTaitt(tai1, tai2, &s.tt1, &s.tt2);
  eraTtut1(s.tt1, s.tt2, dt, &s.ut11, &s.ut12);
  return s;
}

EarthState earthState(double tt1, double tt2) {
  EarthState e{};
  // The Sun's own motion about the barycentre (up to 15 m/s) moves the
  // aberration by under 0.01": the heliocentric motion stands for it.
  const EarthOrbit orbit = earthOrbit(tt1, tt2);
  for (std::size_t i = 0; i < 3; ++i) {
    e.heliocentric[i] = orbit.position[i];
    e.barycentric[0][i] = orbit.position[i];
    e.barycentric[1][i] = orbit.velocity[i];
  }
  double npb[3][3];  // NOLINT(modernize-avoid-c-arrays): ERFA's C interface
  eraPnm00b(tt1, tt2, npb);
  eraBpn2xy(npb, &e.x, &e.y);
  e.s = eraS00(tt1, tt2, e.x, e.y);
  e.sp = eraSp00(tt1, tt2);
  return e;
}

SunDirection observe(const Site& site, EarthState e, const Scales& t) {
  eraASTROM astrom;
  // No polar motion (under half an arcsecond) and no refraction: geometric.
  eraApco(t.tt1, t.tt2, e.barycentric, e.heliocentric, e.x, e.y, e.s, eraEra00(t.ut11, t.ut12),
          site.longitude * ERFA_DD2R, site.latitude * ERFA_DD2R, site.height, 0, 0, e.sp, 0, 0,
          &astrom);
  // The sun seen from the observer stands opposite the observer seen from
  // the sun; in the light time it moves less than 0.01".
  std::array<double, 3> toSun{-astrom.eh[0], -astrom.eh[1], -astrom.eh[2]};
  std::array<double, 3> aberrated{};
  eraAb(toSun.data(), astrom.v, astrom.em, astrom.bm1, aberrated.data());
  std::array<double, 3> ofDate{};
  eraRxp(astrom.bpn, aberrated.data(), ofDate.data());
  double ra = 0;
  double dec = 0;
  eraC2s(ofDate.data(), &ra, &dec);
  double azimuth = 0;
  double zenith = 0;
  double hourAngle = 0;
  double declination = 0;
  double observedRa = 0;
  eraAtioq(ra, dec, &astrom, &azimuth, &zenith, &hourAngle, &declination, &observedRa);
  const double elevation = 90 - zenith * ERFA_DR2D;
  return {azimuth * ERFA_DR2D, elevation, elevation, hourAngle * ERFA_DR2D,
          declination * ERFA_DR2D};
}

// Four days between nodes: cubic interpolation then follows the Earth's
// orbit, its swing about the Earth-Moon barycentre and nutation to 0.15"
// (0.00004 degrees), at half the cost of two.
constexpr double kNodeDays = 4;

// Lagrange's cubic through nodes -1, 0, 1 and 2, at u in [0, 1).
std::array<double, 4> cubicWeights(double u) {
  return {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2, -(u + 1) * u * (u - 2) / 2,
          (u + 1) * u * (u - 1) / 6};
}

EarthState blend(const std::array<const EarthState*, 4>& n, const std::array<double, 4>& w) {
  const auto mix = [&](auto field) {
    double sum = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      sum += w[k] * field(*n[k]);
    }
    return sum;
  };
  EarthState e{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 2; ++j) {
      e.barycentric[j][i] = mix([&](const EarthState& s) { return s.barycentric[j][i]; });
    }
    e.heliocentric[i] = mix([&](const EarthState& s) { return s.heliocentric[i]; });
  }
  e.x = mix([](const EarthState& s) { return s.x; });
  e.y = mix([](const EarthState& s) { return s.y; });
  e.s = mix([](const EarthState& s) { return s.s; });
  e.sp = mix([](const EarthState& s) { return s.sp; });
  return e;
}

}  // namespace

UtcTime utcMidnight(CalendarDate date) {
  double d1 = 0;
  double d2 = 0;
  eraDtf2d("UTC", date.year, date.month, date.day, 0, 0, 0, &d1, &d2);
  return {d1 + d2, 0};
}

std::string utcText(UtcTime t) {
  int year = 0;
  int month = 0;
  int day = 0;
  std::array<int, 4> hms{};
  eraD2dtf("UTC", 0, t.midnight, t.days, &year, &month, &day, hms.data());
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02dZ", year, month, day,
                hms[0], hms[1], hms[2]);
  return text.data();
}

double refraction(double elevation, const Air& air) {
  if (elevation < -0.8333) {
    return 0;
  }
  const double r = air.pressure / 1010 * (283 / (273 + air.temperature)) * 1.02 /
                   (60 * libm::tan((elevation + 10.3 / (elevation + 5.11)) * ERFA_DD2R));
  // Near the zenith the formula dips a hair below nothing.
  return std::fmax(r, 0.0);
}

SunDirection sunDirection(const Site& site, UtcTime t, const SunOptions& options) {
  const Scales s = scales(t, options);
  SunDirection d = observe(site, earthState(s.tt1, s.tt2), s);
  d.refractedElevation = d.elevation + refraction(d.elevation, options.air);
  return d;
}

SunTrack::SunTrack(const Site& site, const SunOptions& options) : site_(site), options_(options) {}

const EarthState& SunTrack::node(long index) {
  auto found = nodes_.find(index);
  if (found == nodes_.end()) {
    found =
        nodes_.emplace(index, earthState(ERFA_DJ00, static_cast<double>(index) * kNodeDays)).first;
  }
  return found->second;
}

SunDirection SunTrack::at(UtcTime t) {
  const Scales s = scales(t, options_);
  const double x = ((s.tt1 - ERFA_DJ00) + s.tt2) / kNodeDays;
  const double whole = std::floor(x);
  const auto i = static_cast<long>(whole);
  const std::array<const EarthState*, 4> n{&node(i - 1), &node(i), &node(i + 1), &node(i + 2)};
  return observe(site_, blend(n, cubicWeights(x - whole)), s);
}

void SunTrack::anchor(UtcTime t) {
  const Scales s = scales(t, options_);
  anchored_ = earthState(s.tt1, s.tt2);
}

SunDirection SunTrack::roughly(UtcTime t) const {
  return observe(site_, anchored_, scales(t, options_));
}

}  // namespace kestrion::calc
