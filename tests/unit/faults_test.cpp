// Floating-point faults: no slider position reaches one, so the texts are
// written directly. A faulting procedure stops at the faulting step, texts it
// has not yet written keep their contents, and the fault names the procedure.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "window_helpers.h"

namespace kestrion {
namespace {

using test::loaded;
using test::snapshot;
using S = Input;
using T = Value;
using O = Rain;
using P = Procedure;
using K = FaultKind;

struct FaultCase {
  const char* name;
  std::optional<O> selectedBefore;
  T text;
  const char* contents;
  std::optional<S> slider;  // raised at its current position; else the click below
  O click;
  Fault expected;
  std::vector<T> writtenBeforeTheFault;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class FaultHandling : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultHandling, StopsAtTheFaultingStep) {
  const FaultCase& c = GetParam();
  Calculator w = loaded();
  if (c.selectedBefore) {
    ASSERT_EQ(w.selectRain(*c.selectedBefore), std::nullopt);
  }
  w.window().setText(c.text, c.contents);
  const test::Texts before = snapshot(w);

  const Outcome outcome = c.slider ? w.sliderMoved(*c.slider) : w.selectRain(c.click);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, c.expected) << describe(*outcome);

  const test::Texts after = snapshot(w);
  for (std::size_t i = 0; i < kValueCount; ++i) {
    const bool written = std::find(c.writtenBeforeTheFault.begin(), c.writtenBeforeTheFault.end(),
                                   static_cast<T>(i)) != c.writtenBeforeTheFault.end();
    if (!written) {
      EXPECT_EQ(after[i], before[i]) << kValueNames[i];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    WrittenTexts, FaultHandling,
    testing::Values(FaultCase{"ZeroDistance",
                              std::nullopt,
                              T::distance,
                              "0",
                              S::eirp,
                              O::clearSky,
                              {P::carrierToNoise, K::DivisionByZero},
                              {valueLabel(S::eirp)}},
                    FaultCase{"DistanceNotANumber",
                              std::nullopt,
                              T::distance,
                              "abc",
                              S::eirp,
                              O::clearSky,
                              {P::carrierToNoise, K::NotANumber},
                              {valueLabel(S::eirp)}},
                    FaultCase{"EfficiencyNotANumber",
                              std::nullopt,
                              valueLabel(S::dishEfficiency),
                              "60 %",
                              S::dishDiameter,
                              O::clearSky,
                              {P::carrierToNoise, K::NotANumber},
                              {valueLabel(S::dishDiameter)}},
                    FaultCase{"EmptyBandwidth",
                              std::nullopt,
                              valueLabel(S::bandwidth),
                              "",
                              S::dishTemperature,
                              O::clearSky,
                              {P::carrierToNoise, K::NotANumber},
                              {valueLabel(S::dishTemperature)}},
                    FaultCase{"HugeEirp",
                              std::nullopt,
                              valueLabel(S::eirp),
                              "1e308",
                              S::dishDiameter,
                              O::clearSky,
                              {P::carrierToNoise, K::Overflow},
                              {valueLabel(S::dishDiameter)}},
                    FaultCase{"HugeRainAllowance",
                              O::rate5,
                              T::rainAttenuation,
                              "1e308",
                              S::bandwidth,
                              O::clearSky,
                              {P::carrierToNoise, K::Overflow},
                              {valueLabel(S::bandwidth)}},
                    FaultCase{"ZeroDistanceOnClearSkyClick",
                              O::rate10,
                              T::distance,
                              "0",
                              std::nullopt,
                              O::clearSky,
                              {P::carrierToNoise, K::DivisionByZero},
                              {}},
                    FaultCase{"HugeCableLoss",
                              std::nullopt,
                              valueLabel(S::ifCableLoss),
                              "1e308",
                              S::lnbNoiseFigure,
                              O::clearSky,
                              {P::systemNoiseFigure, K::Overflow},
                              {valueLabel(S::lnbNoiseFigure)}},
                    FaultCase{"VanishingLnbGain",
                              std::nullopt,
                              valueLabel(S::lnbGain),
                              "-1e308",
                              S::lnbNoiseFigure,
                              O::clearSky,
                              {P::systemNoiseFigure, K::DivisionByZero},
                              {valueLabel(S::lnbNoiseFigure)}},
                    FaultCase{"ZeroFrequency",
                              std::nullopt,
                              valueLabel(S::frequency),
                              "0",
                              S::gainEfficiency,
                              O::clearSky,
                              {P::dishGain, K::DivisionByZero},
                              {valueLabel(S::gainEfficiency)}},
                    FaultCase{"NegativeEfficiency",
                              std::nullopt,
                              valueLabel(S::gainEfficiency),
                              "-60",
                              S::gainDiameter,
                              O::clearSky,
                              {P::dishGain, K::InvalidOperation},
                              {valueLabel(S::gainDiameter)}},
                    // The C/N after a faulting alignment does not run: cnres keeps its text.
                    FaultCase{"HugeLatitude",
                              std::nullopt,
                              valueLabel(S::latitude),
                              "1e308",
                              S::longitude,
                              O::clearSky,
                              {P::alignment, K::Overflow},
                              {valueLabel(S::longitude)}},
                    FaultCase{"HugeLatitudeWhileRaining",
                              O::rate50,
                              valueLabel(S::latitude),
                              "1e308",
                              S::satellite,
                              O::clearSky,
                              {P::alignment, K::Overflow},
                              {valueLabel(S::satellite)}},
                    FaultCase{"HugeElevation",
                              std::nullopt,
                              T::elevation,
                              "1e200",
                              std::nullopt,
                              O::rate50,
                              {P::rainAttenuation, K::Overflow},
                              {T::rainElevation, T::rainRate}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(FaultHandlingAtLoad, LoadStopsAtTheFirstFaultingProcedure) {
  Calculator w;
  w.window().setText(valueLabel(S::ifCableLoss), "1e308");
  const Outcome outcome = w.load();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, (Fault{P::systemNoiseFigure, K::Overflow}));
  for (const T id : {T::systemNoiseFigure, T::figureOfMerit, T::elevation, T::azimuth, T::skew,
                     T::carrierToNoise, T::antennaGain}) {
    EXPECT_EQ(w.window().text(id), "") << name(id);
  }
  EXPECT_EQ(w.window().text(T::distance), "38000");
}

TEST(FaultHandlingAtLoad, FaultDescriptionNamesProcedureAndKind) {
  EXPECT_EQ(describe({P::carrierToNoise, K::DivisionByZero}),
            "floating-point fault in CarrierToNoiseCalc: division by zero");
  EXPECT_EQ(describe({P::rainAttenuation, K::NotANumber}),
            "floating-point fault in RainAttenuationCalc: text is not a number");
}

}  // namespace
}  // namespace kestrion
