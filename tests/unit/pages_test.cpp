// Worked values of the noise figure, converter, antenna gain, G/T, C/N and
// rain pages, driven through the window the way the user drives it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "model/numtext.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

using test::apply;
using test::loadedWindow;
using test::Move;
using S = SliderId;

constexpr double kUnchecked = std::numeric_limits<double>::quiet_NaN();

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

void applyAll(Window& w, const std::vector<Move>& moves) {
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
  Window w = loadedWindow();
  applyAll(w, c.moves);
  EXPECT_EQ(w.text(TextId::totnf), c.totnf);
  if (!std::isnan(c.ifchainnf)) {
    EXPECT_NEAR(w.fields().ifchainnf, c.ifchainnf, 5e-7);
    EXPECT_NEAR(w.fields().chainnf, c.chainnf, 5e-7);
  }
}

const std::vector<Move> kNoIfAmplifier{{S::HScroll4, 0}, {S::HScroll14, 0}, {S::HScroll12, 0}};
const std::vector<Move> kNoiselessFrontEnd{{S::HScroll7, 0},  {S::HScroll1, 0},  {S::HScroll2, 60},
                                           {S::HScroll3, 0},  {S::HScroll4, 0},  {S::HScroll14, 0},
                                           {S::HScroll12, 0}, {S::HScroll13, 1}, {S::HScroll11, 0}};

std::vector<Move> with(std::vector<Move> base, std::initializer_list<Move> more) {
  base.insert(base.end(), more);
  return base;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, SystemNoiseFigure,
    testing::Values(
        NoiseFigureCase{"Initial", {}, 11.182864, 1.014192, "1.01"},
        NoiseFigureCase{"AntennaAt50K", {{S::HScroll11, 50}}, 11.182864, 1.014192, "1.56"},
        NoiseFigureCase{"AntennaAt400K", {{S::HScroll11, 400}}, 11.182864, 1.014192, "4.21"},
        NoiseFigureCase{"FeedLossHalfDb", {{S::HScroll7, 5}}, 11.182864, 1.514192, "1.51"},
        NoiseFigureCase{"LowNoiseHighGainLnb",
                        {{S::HScroll1, 7}, {S::HScroll2, 60}},
                        11.182864,
                        0.700482,
                        "0.7"},
        NoiseFigureCase{"LnbWithoutGain", {{S::HScroll2, 0}}, 11.182864, 21.191419, "21.19"},
        NoiseFigureCase{"NoIfAmplifier", kNoIfAmplifier, 10, 1.010786, "1.01"},
        NoiseFigureCase{"TypicalInstallation",
                        with(kNoIfAmplifier, {{S::HScroll7, 2},
                                              {S::HScroll1, 7},
                                              {S::HScroll2, 55},
                                              {S::HScroll3, 5},
                                              {S::HScroll13, 8},
                                              {S::HScroll11, 30}}),
                        8, 0.900222, "1.25"},
        NoiseFigureCase{"NoiselessFrontEnd", kNoiselessFrontEnd, kUnchecked, kUnchecked, "0"},
        NoiseFigureCase{"NoiselessFrontEndAt290K",
                        with(kNoiselessFrontEnd, {{S::HScroll2, 80}, {S::HScroll11, 290}}),
                        kUnchecked, kUnchecked, "3.01"},
        NoiseFigureCase{"EverythingAtItsWorst",
                        {{S::HScroll7, 30},
                         {S::HScroll1, 100},
                         {S::HScroll2, 0},
                         {S::HScroll3, 100},
                         {S::HScroll4, 30},
                         {S::HScroll14, 0},
                         {S::HScroll12, 50},
                         {S::HScroll13, 30}},
                        kUnchecked,
                        kUnchecked,
                        "183"}),
    caseName<NoiseFigureCase>);

TEST(SystemNoiseFigureChain, AntennaTemperatureRaisesOnlyTheResult) {
  Window w = loadedWindow();
  const Fields before = w.fields();
  double last = leadingNumber(w.text(TextId::totnf));
  for (std::int16_t t = 50; t <= 400; t += 50) {
    apply(w, {{S::HScroll11, t}});
    EXPECT_EQ(w.fields().ifchainnf, before.ifchainnf);
    EXPECT_EQ(w.fields().chainnf, before.chainnf);
    const double now = leadingNumber(w.text(TextId::totnf));
    EXPECT_GT(now, last) << t;
    last = now;
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
  Window w = loadedWindow();
  for (const auto& c : cases) {
    apply(w, {{S::HScroll5, c.position}});
    EXPECT_EQ(w.text(TextId::nf), c.nf) << c.position;
    EXPECT_EQ(w.text(TextId::nt), c.nt) << c.position;
  }
}

TEST(NoiseConverter, TemperatureToFigure) {
  // 2610 K is a noise factor of exactly 10, yet ln(10)*1000/ln(10) falls just
  // short of 1000, so the label shows 9.99.
  const ConverterCase cases[] = {{0, "0", "0"},          {1, "0.01", "1"},
                                 {75, "0.99", "75"},     {290, "3.01", "290"},
                                 {2610, "9.99", "2610"}, {10000, "15.5", "10000"}};
  Window w = loadedWindow();
  for (const auto& c : cases) {
    apply(w, {{S::HScroll6, c.position}});
    EXPECT_EQ(w.text(TextId::nt), c.nt) << c.position;
    EXPECT_EQ(w.text(TextId::nf), c.nf) << c.position;
  }
}

// Against a reference in extended precision, the double-precision steps
// lose a hundredth at 2610 K and nowhere else.
TEST(NoiseConverter, OnlyTheTemperatureOf2610KLosesAHundredth) {
  Window w = loadedWindow();
  std::vector<int> differing;
  for (std::int16_t p = 0; p <= 10000; ++p) {
    apply(w, {{S::HScroll6, p}});
    const long double z = p / 290.0 + 1;
    const double reference = static_cast<double>(std::floor(std::log10(z) * 1000)) / 100;
    if (leadingNumber(w.text(TextId::nf)) != reference) {
      differing.push_back(p);
    }
  }
  EXPECT_EQ(differing, std::vector<int>{2610});
}

TEST(NoiseConverter, SlidersAreNotCoupled) {
  Window w = loadedWindow();
  apply(w, {{S::HScroll5, 100}});
  EXPECT_EQ(w.text(TextId::nt), "2610");
  EXPECT_EQ(w.slider(S::HScroll6).position, 75);
  ASSERT_EQ(w.HScroll_Change(S::HScroll6), std::nullopt);
  EXPECT_EQ(w.text(TextId::nt), "75");
  EXPECT_EQ(w.text(TextId::nf), "0.99");
  EXPECT_EQ(w.slider(S::HScroll5).position, 100);
}

// --------------------------------------------------------------- antenna gain

struct GainCase {
  std::int16_t diameter;    // HScroll8, tenths of a metre
  std::int16_t efficiency;  // HScroll9, %
  std::int16_t frequency;   // HScroll10, tenths of a GHz
  const char* gain;
};

double gainFor(std::int16_t d, std::int16_t e, std::int16_t f) {
  Window w = loadedWindow();
  apply(w, {{S::HScroll8, d}, {S::HScroll9, e}, {S::HScroll10, f}});
  return leadingNumber(w.text(TextId::Gain));
}

TEST(AntennaGain, WorkedValues) {
  const GainCase cases[] = {{10, 60, 120, "39.7"}, {10, 60, 125, "40.1"}, {6, 70, 117, "35.7"},
                            {1, 100, 10, "0.4"},   {1, 1, 10, "-19.6"},   {100, 200, 300, "72.9"}};
  for (const auto& c : cases) {
    Window w = loadedWindow();
    apply(w, {{S::HScroll8, c.diameter}, {S::HScroll9, c.efficiency}, {S::HScroll10, c.frequency}});
    EXPECT_EQ(w.text(TextId::Gain), c.gain)
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
    Window w = loadedWindow();
    apply(w, {{S::HScroll15, c.noiseFigure}, {S::HScroll16, c.gain}});
    EXPECT_EQ(w.text(TextId::GT), c.gt) << c.noiseFigure << " " << c.gain;
  }
}

// ------------------------------------------------------------------------ C/N

struct CarrierCase {
  const char* name;
  std::vector<Move> moves;
  const char* distance;          // written into rsat before the recompute; nullptr keeps it
  const char* elevation;         // written into el before the options; nullptr keeps it
  std::vector<OptionId> clicks;  // none: the C/N is recomputed by re-raising HScroll20
  double ratio;                  // ten times the C/N in dB before it is cut down
  const char* cnres;
};

void PrintTo(const CarrierCase& c, std::ostream* os) {
  *os << c.name;
}

class CarrierToNoise : public testing::TestWithParam<CarrierCase> {};

TEST_P(CarrierToNoise, PowerBudgetCutDownToTenths) {
  const CarrierCase& c = GetParam();
  Window w = loadedWindow();
  applyAll(w, c.moves);
  if (c.distance != nullptr) {
    w.setText(TextId::rsat, c.distance);
  }
  if (c.elevation != nullptr) {
    w.setText(TextId::el, c.elevation);
  }
  if (c.clicks.empty()) {
    ASSERT_EQ(w.HScroll_Change(S::HScroll20), std::nullopt);
  }
  for (const OptionId o : c.clicks) {
    ASSERT_EQ(w.click(o), std::nullopt);
  }
  EXPECT_EQ(w.text(TextId::cnres), c.cnres);
  if (!std::isnan(c.ratio)) {
    EXPECT_NEAR(w.fields().ratio, c.ratio, 0.005);
  }
}

using O = OptionId;
INSTANTIATE_TEST_SUITE_P(
    WorkedValues, CarrierToNoise,
    testing::Values(
        CarrierCase{"PlaceholderDistance", {}, "38000", nullptr, {}, 112.936, "11.2"},
        CarrierCase{"NearestDistance", {}, "35780", nullptr, {}, kUnchecked, "11.8"},
        CarrierCase{"FarDistance", {}, "41670", nullptr, {}, kUnchecked, "10.4"},
        CarrierCase{"InitialAlignmentDistance", {}, "39560", nullptr, {}, kUnchecked, "10.9"},
        CarrierCase{"Rain5AtInitialElevation", {}, nullptr, nullptr, {O::Option1}, 79.002, "7.9"},
        CarrierCase{"Rain10AtInitialElevation", {}, nullptr, nullptr, {O::Option2}, 60.031, "6"},
        CarrierCase{"Rain50AtInitialElevation", {}, nullptr, nullptr, {O::Option3}, -29.127, "-3"},
        CarrierCase{"Rain50At30Degrees", {}, "38000", "30", {O::Option3}, -13.946, "-1.4"},
        CarrierCase{"Rain5At90Degrees", {}, "38000", "90", {O::Option1}, kUnchecked, "9.9"},
        CarrierCase{"Rain10At20Degrees", {}, "38000", "20", {O::Option2}, kUnchecked, "6.2"},
        CarrierCase{"ColdAntenna", {{S::HScroll23, 0}}, "38000", nullptr, {}, kUnchecked, "12.7"},
        CarrierCase{"EverythingAtItsBest",
                    {{S::HScroll20, 70},
                     {S::HScroll21, 500},
                     {S::HScroll22, 100},
                     {S::HScroll24, 1},
                     {S::HScroll23, 0},
                     {S::HScroll25, 1}},
                    "38000",
                    nullptr,
                    {},
                    807.38,
                    "80.7"},
        CarrierCase{"EverythingAtItsWorst",
                    {{S::HScroll20, 0},
                     {S::HScroll21, 20},
                     {S::HScroll22, 1},
                     {S::HScroll24, 100},
                     {S::HScroll23, 100},
                     {S::HScroll25, 100}},
                    "38000",
                    nullptr,
                    {},
                    -834.38,
                    "-83.5"},
        CarrierCase{"ClearSkyAfterRain",
                    {},
                    nullptr,
                    nullptr,
                    {O::Option3, O::rainoff},
                    kUnchecked,
                    "10.9"}),
    caseName<CarrierCase>);

TEST(CarrierToNoiseTerms, PlaceholderDistanceBudget) {
  Window w = loadedWindow();
  w.setText(TextId::rsat, "38000");
  ASSERT_EQ(w.HScroll_Change(S::HScroll20), std::nullopt);
  const Fields& f = w.fields();
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
    const std::pair<OptionId, double> rates[] = {
        {O::Option1, r.rain5}, {O::Option2, r.rain10}, {O::Option3, r.rain50}};
    for (const auto& [option, dB] : rates) {
      Window w = loadedWindow();
      w.setText(TextId::el, r.elevation);
      ASSERT_EQ(w.click(option), std::nullopt);
      EXPECT_NEAR(leadingNumber(w.text(TextId::attenuation)), dB, 1e-5)
          << r.elevation << " " << name(option);
    }
  }
}

TEST(RainAttenuation, RateFactors) {
  const std::pair<OptionId, double> rates[] = {
      {O::Option1, 0.11}, {O::Option2, 0.24}, {O::Option3, 2.0}};
  for (const auto& [option, gamma] : rates) {
    Window w = loadedWindow();
    ASSERT_EQ(w.click(option), std::nullopt);
    EXPECT_NEAR(w.fields().rateFactor, gamma, 1e-15) << name(option);
  }
}

TEST(RainAttenuation, AttenuationIsTheUnroundedDoubleText) {
  Window w = loadedWindow();
  w.setText(TextId::el, "90");
  ASSERT_EQ(w.Option1_Click(), std::nullopt);
  EXPECT_EQ(w.text(TextId::attenuation), "0.44");
  ASSERT_EQ(w.Option3_Click(), std::nullopt);  // el "90" was copied on to cnel, still 90
  EXPECT_EQ(w.text(TextId::attenuation), "5.6");
  w.setText(TextId::el, "20.75");
  ASSERT_EQ(w.Option1_Click(), std::nullopt);
  EXPECT_EQ(w.text(TextId::attenuation),
            doubleText(w.fields().elevationFactor * w.fields().rateFactor));
  EXPECT_EQ(w.text(TextId::attenuation).size(), std::string("1.11198418976563").size());
}

}  // namespace
}  // namespace kestrion
