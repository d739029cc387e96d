// Worked values of the noise figure, converter, antenna gain, G/T, C/N and
// rain pages, driven through the window the way the user drives it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calc/steps.h"
#include "model/numtext.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

using test::apply;
using test::loaded;
using test::Move;
using S = Input;

constexpr double kUnchecked = std::numeric_limits<double>::quiet_NaN();

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

void applyAll(Calculator& w, const std::vector<Move>& moves) {
  for (const Move& m : moves) {
    apply(w, {m});
  }
}

// ---------------------------------------------------------------- noise figure

struct NoiseFigureCase {
  const char* name;
  std::vector<Move> moves;
  double ifchainnf;  // kUnchecked where only the shown result is known
  double chainnf;
  const char* totnf;
};

void PrintTo(const NoiseFigureCase& c, std::ostream* os) {
  *os << c.name;
}

class SystemNoiseFigure : public testing::TestWithParam<NoiseFigureCase> {};

TEST_P(SystemNoiseFigure, CascadesTheChainAndCutsDownToHundredths) {
  const NoiseFigureCase& c = GetParam();
  Calculator w = loaded();
  applyAll(w, c.moves);
  EXPECT_EQ(w.window().text(Value::systemNoiseFigure), c.totnf);
  if (!std::isnan(c.ifchainnf)) {
    const calc::ChainSteps steps = calc::cascade(calc::chainOf(w.window()));
    EXPECT_NEAR(steps.ifChain, c.ifchainnf, 5e-7);
    EXPECT_NEAR(steps.chain, c.chainnf, 5e-7);
  }
}

const std::vector<Move> kNoIfAmplifier{{S::ifNoiseFigure, 0}, {S::ifGain, 0}, {S::ifCableLoss, 0}};
const std::vector<Move> kNoiselessFrontEnd{
    {S::feedLoss, 0},    {S::lnbNoiseFigure, 0},      {S::lnbGain, 60},
    {S::cableLoss, 0},   {S::ifNoiseFigure, 0},       {S::ifGain, 0},
    {S::ifCableLoss, 0}, {S::receiverNoiseFigure, 1}, {S::antennaTemperature, 0}};

std::vector<Move> with(std::vector<Move> base, std::initializer_list<Move> more) {
  base.insert(base.end(), more);
  return base;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, SystemNoiseFigure,
    testing::Values(
        NoiseFigureCase{"Initial", {}, 11.182864, 1.014192, "1.01"},
        NoiseFigureCase{"AntennaAt50K", {{S::antennaTemperature, 50}}, 11.182864, 1.014192, "1.56"},
        NoiseFigureCase{
            "AntennaAt400K", {{S::antennaTemperature, 400}}, 11.182864, 1.014192, "4.21"},
        NoiseFigureCase{"FeedLossHalfDb", {{S::feedLoss, 5}}, 11.182864, 1.514192, "1.51"},
        NoiseFigureCase{"LowNoiseHighGainLnb",
                        {{S::lnbNoiseFigure, 7}, {S::lnbGain, 60}},
                        11.182864,
                        0.700482,
                        "0.7"},
        NoiseFigureCase{"LnbWithoutGain", {{S::lnbGain, 0}}, 11.182864, 21.191419, "21.19"},
        NoiseFigureCase{"NoIfAmplifier", kNoIfAmplifier, 10, 1.010786, "1.01"},
        NoiseFigureCase{"TypicalInstallation",
                        with(kNoIfAmplifier, {{S::feedLoss, 2},
                                              {S::lnbNoiseFigure, 7},
                                              {S::lnbGain, 55},
                                              {S::cableLoss, 5},
                                              {S::receiverNoiseFigure, 8},
                                              {S::antennaTemperature, 30}}),
                        8, 0.900222, "1.25"},
        NoiseFigureCase{"NoiselessFrontEnd", kNoiselessFrontEnd, kUnchecked, kUnchecked, "0"},
        NoiseFigureCase{"NoiselessFrontEndAt290K",
                        with(kNoiselessFrontEnd, {{S::lnbGain, 80}, {S::antennaTemperature, 290}}),
                        kUnchecked, kUnchecked, "3.01"},
        NoiseFigureCase{"EverythingAtItsWorst",
                        {{S::feedLoss, 30},
                         {S::lnbNoiseFigure, 100},
                         {S::lnbGain, 0},
                         {S::cableLoss, 100},
                         {S::ifNoiseFigure, 30},
                         {S::ifGain, 0},
                         {S::ifCableLoss, 50},
                         {S::receiverNoiseFigure, 30}},
                        kUnchecked,
                        kUnchecked,
                        "183"}),
    caseName<NoiseFigureCase>);

TEST(SystemNoiseFigureChain, AntennaTemperatureRaisesOnlyTheResult) {
  Calculator w = loaded();
  const calc::ChainSteps before = calc::cascade(calc::chainOf(w.window()));
  double last = leadingNumber(w.window().text(Value::systemNoiseFigure));
  for (std::int16_t t = 50; t <= 400; t += 50) {
    apply(w, {{S::antennaTemperature, t}});
    const calc::ChainSteps now = calc::cascade(calc::chainOf(w.window()));
    EXPECT_EQ(now.ifChain, before.ifChain);
    EXPECT_EQ(now.chain, before.chain);
    const double shown = leadingNumber(w.window().text(Value::systemNoiseFigure));
    EXPECT_GT(shown, last) << t;
    last = shown;
  }
}

// ------------------------------------------------------------------ converter

struct ConverterCase {
  std::int16_t position;
  const char* nf;
  const char* nt;
};

// Each slider writes both labels, and they cut down differently: whole
// kelvin one way, hundredths of a dB the other.
TEST(NoiseConverter, FigureToTemperature) {
  const ConverterCase cases[] = {{0, "0", "0"},       {1, "0.1", "6"},     {10, "1", "75"},
                                 {30, "3", "288"},    {100, "10", "2610"}, {199, "19.9", "28049"},
                                 {200, "20", "28710"}};
  Calculator w = loaded();
  for (const auto& c : cases) {
    apply(w, {{S::converterNoiseFigure, c.position}});
    EXPECT_EQ(w.window().text(Input::converterNoiseFigure), c.nf) << c.position;
    EXPECT_EQ(w.window().text(Input::converterTemperature), c.nt) << c.position;
  }
}

TEST(NoiseConverter, TemperatureToFigure) {
  // 2610 K is a noise factor of exactly 10, yet ln(10)*1000/ln(10) falls just
  // short of 1000, so the label shows 9.99.
  const ConverterCase cases[] = {{0, "0", "0"},          {1, "0.01", "1"},
                                 {75, "0.99", "75"},     {290, "3.01", "290"},
                                 {2610, "9.99", "2610"}, {10000, "15.5", "10000"}};
  Calculator w = loaded();
  for (const auto& c : cases) {
    apply(w, {{S::converterTemperature, c.position}});
    EXPECT_EQ(w.window().text(Input::converterTemperature), c.nt) << c.position;
    EXPECT_EQ(w.window().text(Input::converterNoiseFigure), c.nf) << c.position;
  }
}

// Against a reference in extended precision, the double-precision steps
// lose a hundredth at 2610 K and nowhere else.
TEST(NoiseConverter, OnlyTheTemperatureOf2610KLosesAHundredth) {
  Calculator w = loaded();
  std::vector<int> differing;
  for (std::int16_t p = 0; p <= 10000; ++p) {
    apply(w, {{S::converterTemperature, p}});
    const long double z = p / 290.0 + 1;
    const double reference = static_cast<double>(std::floor(std::log10(z) * 1000)) / 100;
    if (leadingNumber(w.window().text(Input::converterNoiseFigure)) != reference) {
      differing.push_back(p);
    }
  }
  EXPECT_EQ(differing, std::vector<int>{2610});
}

TEST(NoiseConverter, SlidersAreNotCoupled) {
  Calculator w = loaded();
  apply(w, {{S::converterNoiseFigure, 100}});
  EXPECT_EQ(w.window().text(Input::converterTemperature), "2610");
  EXPECT_EQ(w.window().slider(S::converterTemperature).position, 75);
  ASSERT_EQ(w.sliderMoved(S::converterTemperature), std::nullopt);
  EXPECT_EQ(w.window().text(Input::converterTemperature), "75");
  EXPECT_EQ(w.window().text(Input::converterNoiseFigure), "0.99");
  EXPECT_EQ(w.window().slider(S::converterNoiseFigure).position, 100);
}

// --------------------------------------------------------------- antenna gain

struct GainCase {
  std::int16_t diameter;    // HScroll8, tenths of a metre
  std::int16_t efficiency;  // HScroll9, %
  std::int16_t frequency;   // HScroll10, tenths of a GHz
  const char* gain;
};

double gainFor(std::int16_t d, std::int16_t e, std::int16_t f) {
  Calculator w = loaded();
  apply(w, {{S::gainDiameter, d}, {S::gainEfficiency, e}, {S::frequency, f}});
  return leadingNumber(w.window().text(Value::antennaGain));
}

TEST(AntennaGain, WorkedValues) {
  const GainCase cases[] = {{10, 60, 120, "39.7"}, {10, 60, 125, "40.1"}, {6, 70, 117, "35.7"},
                            {1, 100, 10, "0.4"},   {1, 1, 10, "-19.6"},   {100, 200, 300, "72.9"}};
  for (const auto& c : cases) {
    Calculator w = loaded();
    apply(w, {{S::gainDiameter, c.diameter},
              {S::gainEfficiency, c.efficiency},
              {S::frequency, c.frequency}});
    EXPECT_EQ(w.window().text(Value::antennaGain), c.gain)
        << c.diameter << " " << c.efficiency << " " << c.frequency;
  }
}

TEST(AntennaGain, DoublingDiameterOrFrequencyAddsSixDbAndEfficiencyThree) {
  struct Doubling {
    GainCase from;
    GainCase to;
    double dB;
  };
  const Doubling cases[] = {
      {{5, 60, 120, ""}, {10, 60, 120, ""}, 6.02},  {{50, 60, 120, ""}, {100, 60, 120, ""}, 6.02},
      {{10, 60, 60, ""}, {10, 60, 120, ""}, 6.02},  {{10, 60, 150, ""}, {10, 60, 300, ""}, 6.02},
      {{10, 30, 120, ""}, {10, 60, 120, ""}, 3.01}, {{10, 100, 120, ""}, {10, 200, 120, ""}, 3.01}};
  for (const auto& c : cases) {
    const double rise = gainFor(c.to.diameter, c.to.efficiency, c.to.frequency) -
                        gainFor(c.from.diameter, c.from.efficiency, c.from.frequency);
    EXPECT_NEAR(rise, c.dB, 0.11);  // both sides cut down to tenths
  }
}

// ------------------------------------------------------------------------ G/T

TEST(FigureOfMerit, WorkedValues) {
  struct Case {
    std::int16_t noiseFigure;  // HScroll15, tenths of a dB
    std::int16_t gain;         // HScroll16, tenths of a dB
    const char* gt;
  };
  const Case cases[] = {
      {10, 500, "31.2"}, {1, 800, "71.7"}, {100, 10, "-33.2"}, {1, 10, "-7.3"}, {100, 800, "45.8"}};
  for (const auto& c : cases) {
    Calculator w = loaded();
    apply(w, {{S::gtNoiseFigure, c.noiseFigure}, {S::gtAntennaGain, c.gain}});
    EXPECT_EQ(w.window().text(Value::figureOfMerit), c.gt) << c.noiseFigure << " " << c.gain;
  }
}

// ------------------------------------------------------------------------ C/N

struct CarrierCase {
  const char* name;
  std::vector<Move> moves;
  const char* distance;      // written into rsat before the recompute; nullptr keeps it
  const char* elevation;     // written into el before the options; nullptr keeps it
  std::vector<Rain> clicks;  // none: the C/N is recomputed by re-raising HScroll20
  double ratio;              // ten times the C/N in dB before it is cut down
  const char* cnres;
};

void PrintTo(const CarrierCase& c, std::ostream* os) {
  *os << c.name;
}

class CarrierToNoise : public testing::TestWithParam<CarrierCase> {};

TEST_P(CarrierToNoise, PowerBudgetCutDownToTenths) {
  const CarrierCase& c = GetParam();
  Calculator w = loaded();
  applyAll(w, c.moves);
  if (c.distance != nullptr) {
    w.window().setText(Value::distance, c.distance);
  }
  if (c.elevation != nullptr) {
    w.window().setText(Value::elevation, c.elevation);
  }
  if (c.clicks.empty()) {
    ASSERT_EQ(w.sliderMoved(S::eirp), std::nullopt);
  }
  for (const Rain o : c.clicks) {
    ASSERT_EQ(w.selectRain(o), std::nullopt);
  }
  EXPECT_EQ(w.window().text(Value::carrierToNoise), c.cnres);
  if (!std::isnan(c.ratio)) {
    EXPECT_NEAR(calc::linkSteps(calc::budgetOf(w.window())).ratio, c.ratio, 0.005);
  }
}

using O = Rain;
INSTANTIATE_TEST_SUITE_P(
    WorkedValues, CarrierToNoise,
    testing::Values(
        CarrierCase{"PlaceholderDistance", {}, "38000", nullptr, {}, 112.936, "11.2"},
        CarrierCase{"NearestDistance", {}, "35780", nullptr, {}, kUnchecked, "11.8"},
        CarrierCase{"FarDistance", {}, "41670", nullptr, {}, kUnchecked, "10.4"},
        CarrierCase{"InitialAlignmentDistance", {}, "39560", nullptr, {}, kUnchecked, "10.9"},
        CarrierCase{"Rain5AtInitialElevation", {}, nullptr, nullptr, {O::rate5}, 79.002, "7.9"},
        CarrierCase{"Rain10AtInitialElevation", {}, nullptr, nullptr, {O::rate10}, 60.031, "6"},
        CarrierCase{"Rain50AtInitialElevation", {}, nullptr, nullptr, {O::rate50}, -29.127, "-3"},
        CarrierCase{"Rain50At30Degrees", {}, "38000", "30", {O::rate50}, -13.946, "-1.4"},
        CarrierCase{"Rain5At90Degrees", {}, "38000", "90", {O::rate5}, kUnchecked, "9.9"},
        CarrierCase{"Rain10At20Degrees", {}, "38000", "20", {O::rate10}, kUnchecked, "6.2"},
        CarrierCase{
            "ColdAntenna", {{S::dishTemperature, 0}}, "38000", nullptr, {}, kUnchecked, "12.7"},
        CarrierCase{"EverythingAtItsBest",
                    {{S::eirp, 70},
                     {S::dishDiameter, 500},
                     {S::dishEfficiency, 100},
                     {S::linkNoiseFigure, 1},
                     {S::dishTemperature, 0},
                     {S::bandwidth, 1}},
                    "38000",
                    nullptr,
                    {},
                    807.38,
                    "80.7"},
        CarrierCase{"EverythingAtItsWorst",
                    {{S::eirp, 0},
                     {S::dishDiameter, 20},
                     {S::dishEfficiency, 1},
                     {S::linkNoiseFigure, 100},
                     {S::dishTemperature, 100},
                     {S::bandwidth, 100}},
                    "38000",
                    nullptr,
                    {},
                    -834.38,
                    "-83.5"},
        CarrierCase{"ClearSkyAfterRain",
                    {},
                    nullptr,
                    nullptr,
                    {O::rate50, O::clearSky},
                    kUnchecked,
                    "10.9"}),
    caseName<CarrierCase>);

TEST(CarrierToNoiseTerms, PlaceholderDistanceBudget) {
  Calculator w = loaded();
  w.window().setText(Value::distance, "38000");
  ASSERT_EQ(w.sliderMoved(S::eirp), std::nullopt);
  const calc::LinkSteps f = calc::linkSteps(calc::budgetOf(w.window()));
  EXPECT_NEAR(f.fluxDensity / 5.5137e-13, 1, 1e-4);
  EXPECT_NEAR(f.aperture, 1.76625, 1e-12);
  EXPECT_NEAR(f.carrier / 5.8431e-13, 1, 1e-4);
  EXPECT_NEAR(f.noiseTemperature, 75.088, 5e-4);
  EXPECT_NEAR(f.noise / 4.3507e-14, 1, 1e-4);
  EXPECT_NEAR(f.carrier / f.noise, 13.430, 5e-4);
}

// ----------------------------------------------------------------------- rain

struct RainRow {
  const char* elevation;
  double rain5;
  double rain10;
  double rain50;
};

TEST(RainAttenuation, ElevationFactorTimesRateFactor) {
  const RainRow rows[] = {
      {"90", 0.44, 0.912, 5.6},
      {"60", 0.404855, 0.902928, 5.9636},
      {"30", 0.79244, 1.565184, 7.8104},
      {"20", 1.143395, 2.113872, 8.9516},
      {"10", 1.65088, 2.890368, 10.4256},
      {"0", 2.342285, 3.932976, 12.2744},
      {"20.75", 1.11198, 2.06529, 8.85499},
  };
  for (const auto& r : rows) {
    const std::pair<Rain, double> rates[] = {
        {O::rate5, r.rain5}, {O::rate10, r.rain10}, {O::rate50, r.rain50}};
    for (const auto& [option, dB] : rates) {
      Calculator w = loaded();
      w.window().setText(Value::elevation, r.elevation);
      ASSERT_EQ(w.selectRain(option), std::nullopt);
      EXPECT_NEAR(leadingNumber(w.window().text(Value::rainAttenuation)), dB, 1e-5)
          << r.elevation << " " << name(option);
    }
  }
}

TEST(RainAttenuation, RateFactors) {
  const std::pair<Rain, double> rates[] = {{O::rate5, 0.11}, {O::rate10, 0.24}, {O::rate50, 2.0}};
  for (const auto& [option, gamma] : rates) {
    Calculator w = loaded();
    ASSERT_EQ(w.selectRain(option), std::nullopt);
    EXPECT_NEAR(calc::rainSteps(calc::rainInputsOf(w.window())).rateFactor, gamma, 1e-15)
        << name(option);
  }
}

TEST(RainAttenuation, AttenuationIsTheUnroundedDoubleText) {
  Calculator w = loaded();
  w.window().setText(Value::elevation, "90");
  ASSERT_EQ(w.selectRain(Rain::rate5), std::nullopt);
  EXPECT_EQ(w.window().text(Value::rainAttenuation), "0.44");
  ASSERT_EQ(w.selectRain(Rain::rate50), std::nullopt);  // el "90" was copied on to cnel, still 90
  EXPECT_EQ(w.window().text(Value::rainAttenuation), "5.6");
  w.window().setText(Value::elevation, "20.75");
  ASSERT_EQ(w.selectRain(Rain::rate5), std::nullopt);
  const calc::RainSteps steps = calc::rainSteps(calc::rainInputsOf(w.window()));
  EXPECT_EQ(w.window().text(Value::rainAttenuation),
            doubleText(steps.elevationFactor * steps.rateFactor));
  EXPECT_EQ(w.window().text(Value::rainAttenuation).size(), std::string("1.11198418976563").size());
}

}  // namespace
}  // namespace kestrion
