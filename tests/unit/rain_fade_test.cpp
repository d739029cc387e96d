// The ITU-R rain fade: the Study Group 3 validation examples, the shape of the
// fade over the year and the elevation, the availability and dish searches.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/rain_fade.h"

namespace kestrion::calc {
namespace {

// The rows of a transcribed table, '#' lines aside.
std::vector<std::vector<double>> table(const std::string& file) {
  std::ifstream in(std::string(KESTRION_TEST_DATA) + "/" + file);
  std::vector<std::vector<double>> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.front() == '#') {
      continue;
    }
    std::vector<double> row;
    std::istringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) {
      row.push_back(std::stod(cell));
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(RainFadeValidation, EveryP618RainRowWithinAMicroDecibel) {
  const auto rows = table("valex_p618_rain.csv");
  ASSERT_EQ(rows.size(), 64U);
  double worst = 0;
  for (const auto& r : rows) {
    const RainFade fade = rainFade({r[0], r[3], r[2], r[4], r[1], r[7], r[6]});
    const double error = std::fabs(attenuationExceeded(fade, r[5]) - r[8]);
    EXPECT_LT(error, 1e-6) << "latitude " << r[0] << ", " << r[2] << " GHz, p " << r[5];
    worst = std::max(worst, error);
  }
  RecordProperty("worstErrorDb", std::to_string(worst));
  std::cout << "P.618-14 rain: worst error " << worst << " dB over " << rows.size() << " rows\n";
}

TEST(RainFadeValidation, EveryP838RowToItsPrintedDigits) {
  const auto rows = table("valex_p838.csv");
  ASSERT_EQ(rows.size(), 64U);
  for (const auto& r : rows) {
    const RainCoefficients c = rainCoefficients(r[1], r[0], r[3]);
    EXPECT_NEAR(c.k, r[4], 5e-9) << r[1] << " GHz at " << r[0] << " deg";
    EXPECT_NEAR(c.alpha, r[5], 5e-9) << r[1] << " GHz at " << r[0] << " deg";
    const RainFade fade = rainFade({0, r[0], r[1], r[3], 0, 5, r[2]});
    EXPECT_NEAR(fade.specificAttenuation, r[6], 1e-6);
  }
}

// Paths of satellite TV: temperate and tropical, low and high, both polarizations.
const RainPath kLondon{51.5, 31.07699124, 14.25, 0, 0.031382984, 2.45273333333333, 26.48052};
const RainPath kRio{22.9, 22.27833468, 12, 90, 0, 4.15877866666667, 50.639304};
const RainPath kKualaLumpur{3.133, 60, 12, 45, 0.05, 4.9579744, 99.15117186};
// Near the equator at 10 degrees the Recommendation's curve turns down again
// below about 0.01 %.
const RainPath kEquatorLow{3.133, 10, 12, 45, 0, 4.9, 40};

TEST(RainFade, FallsAsThePercentageGrows) {
  for (const RainPath& path : {kLondon, kRio, kKualaLumpur}) {
    const RainFade fade = rainFade(path);
    double previous = attenuationExceeded(fade, kRainMinPercent);
    for (double p = kRainMinPercent * 1.01; p <= kRainMaxPercent; p *= 1.01) {
      const double a = attenuationExceeded(fade, p);
      ASSERT_LT(a, previous) << "p " << p;
      previous = a;
    }
  }
}

// Below 5 degrees the path bends with the Earth: the two forms meet within
// the curvature correction, (hR - hs) / (8500 km sin^2 5 deg), under 5 % here.
TEST(RainFade, TheLowElevationFormJoinsTheOneAbove) {
  RainPath at5 = kLondon;
  at5.elevation = 5;
  RainPath below = at5;
  below.elevation = std::nextafter(5.0, 0.0);
  for (const double p : {0.001, 0.01, 1.0}) {
    const double above = attenuationExceeded(rainFade(at5), p);
    const double under = attenuationExceeded(rainFade(below), p);
    EXPECT_NEAR(under / above, 1, 0.05) << "p " << p;
  }
  RainPath low = at5;
  low.elevation = 0.5;
  EXPECT_GT(attenuationExceeded(rainFade(low), 0.01), attenuationExceeded(rainFade(at5), 0.01));
}

TEST(RainFade, NoFadeWithoutRainOnThePath) {
  RainPath aboveRain = kLondon;
  aboveRain.stationHeight = aboveRain.rainHeight;
  RainPath dry = kLondon;
  dry.rainRate = 0;
  for (const RainPath& path : {aboveRain, dry}) {
    const RainFade fade = rainFade(path);
    EXPECT_EQ(attenuationExceeded(fade, 0.01), 0);
    EXPECT_EQ(availabilityFor(fade, 0).bound, Availability::Bound::atLeast);
  }
}

TEST(RainFade, RainNoiseAndTheCarrierToNoiseDrop) {
  EXPECT_EQ(rainNoiseTemperature(0), 0);
  EXPECT_NEAR(rainNoiseTemperature(3), 137.17, 0.01);  // half the 275 K comes through
  EXPECT_NEAR(rainNoiseTemperature(60), 275, 1e-3);
  // 137 K on top of 100 K: 3.75 dB more noise.
  EXPECT_NEAR(carrierToNoiseDrop(3, 100), 6.750, 0.001);
}

TEST(RainAvailability, FindsThePercentageWhoseFadeIsTheMargin) {
  const RainFade fade = rainFade(kLondon);
  for (const std::optional<double> temperature : {std::optional<double>(), std::optional(150.0)}) {
    for (const double margin : {0.4, 1.0, 2.5, 6.0, 12.0}) {
      const Availability a = availabilityFor(fade, margin, temperature);
      ASSERT_EQ(a.bound, Availability::Bound::within) << margin;
      const double at = attenuationExceeded(fade, a.percentExceeded);
      const double fadeThere = temperature ? carrierToNoiseDrop(at, *temperature) : at;
      EXPECT_NEAR(fadeThere, margin, 1e-9 * margin) << margin;
      EXPECT_DOUBLE_EQ(a.percent, 100 - a.percentExceeded);
    }
  }
  EXPECT_EQ(availabilityFor(fade, 0.1).bound, Availability::Bound::below);
  EXPECT_EQ(availabilityFor(fade, 20).bound, Availability::Bound::atLeast);
}

// Where the curve turns down, a margin it crosses twice holds only up to the
// larger p: the fade is reached there and nowhere above it.
TEST(RainAvailability, TakesTheLargerPercentageWhereTheCurveTurns) {
  const RainFade fade = rainFade(kEquatorLow);
  const double margin = attenuationExceeded(fade, kRainMinPercent) - 0.5;
  const Availability a = availabilityFor(fade, margin);
  ASSERT_EQ(a.bound, Availability::Bound::within);
  EXPECT_NEAR(attenuationExceeded(fade, a.percentExceeded), margin, 1e-9 * margin);
  for (double p = a.percentExceeded * 1.01; p <= kRainMaxPercent; p *= 1.01) {
    ASSERT_LT(attenuationExceeded(fade, p), margin) << p;
  }
}

// The C/N page's start: 40 dBW, 150 cm, 60 %, 30 K, 1 dB, 30 MHz, 38000 km.
const LinkBudget kStartBudget{0, 38000, 40, 150, 60, 1, 30, 30};

TEST(RainAvailability, TheSmallestDishThatReachesTheTarget) {
  const RainFade fade = rainFade(kLondon);
  const ClearSky sky = clearSky(kStartBudget);
  for (const double target : {99.0, 99.5, 99.9, 99.95}) {
    const auto diameter = dishForAvailability(kStartBudget, fade, 5.5, target);
    ASSERT_TRUE(diameter) << target;
    const auto marginWith = [&](int d) {
      LinkBudget b = kStartBudget;
      b.diameter = d;
      return clearSky(b).carrierToNoise - 5.5;
    };
    const double drop =
        carrierToNoiseDrop(attenuationExceeded(fade, 100 - target), sky.systemTemperature);
    EXPECT_GE(marginWith(*diameter), drop) << target;
    if (*diameter > 20) {
      EXPECT_LT(marginWith(*diameter - 1), drop) << target;
    }
  }
  EXPECT_FALSE(dishForAvailability(kStartBudget, rainFade(kEquatorLow), 16.05, 99.999));
  EXPECT_EQ(dishForAvailability(kStartBudget, fade, -10, 95), 20);
}

TEST(RainTables, UnknownZonesAndModcodsGiveNothing) {
  EXPECT_EQ(rainZones().size(), 15U);
  for (const char zone : rainZones()) {
    EXPECT_TRUE(zoneRainRate(zone)) << zone;
  }
  EXPECT_FALSE(zoneRainRate('I'));
  EXPECT_FALSE(zoneRainRate('O'));
  for (std::size_t i = 0; i < modcodCount(); ++i) {
    EXPECT_TRUE(modcodEsN0(modcodName(i))) << modcodName(i);
  }
  EXPECT_FALSE(modcodEsN0("8PSK 1/2"));
}

}  // namespace
}  // namespace kestrion::calc
