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

using test::loadedWindow;
using test::snapshot;
using S = SliderId;
using T = TextId;
using O = OptionId;
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
  Window w = loadedWindow();
  if (c.selectedBefore) {
    ASSERT_EQ(w.click(*c.selectedBefore), std::nullopt);
  }
  w.setText(c.text, c.contents);
  const test::Texts before = snapshot(w);
  const Fields fieldsBefore = w.fields();

  const Outcome outcome = c.slider ? w.HScroll_Change(*c.slider) : w.click(c.click);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, c.expected) << describe(*outcome);

  const test::Texts after = snapshot(w);
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const bool written = std::find(c.writtenBeforeTheFault.begin(), c.writtenBeforeTheFault.end(),
                                   static_cast<T>(i)) != c.writtenBeforeTheFault.end();
    if (!written) {
      EXPECT_EQ(after[i], before[i]) << kTextNames[i];
    }
  }
  if (c.expected.procedure == P::ber) {
    EXPECT_EQ(w.fields().ifchainnf, fieldsBefore.ifchainnf);
    EXPECT_EQ(w.fields().chainnf, fieldsBefore.chainnf);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WrittenTexts, FaultHandling,
    testing::Values(FaultCase{"ZeroDistance",
                              std::nullopt,
                              T::rsat,
                              "0",
                              S::HScroll20,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::DivisionByZero},
                              {T::eirp}},
                    FaultCase{"DistanceNotANumber",
                              std::nullopt,
                              T::rsat,
                              "abc",
                              S::HScroll20,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::NotANumber},
                              {T::eirp}},
                    FaultCase{"EfficiencyNotANumber",
                              std::nullopt,
                              T::efficiency,
                              "60 %",
                              S::HScroll21,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::NotANumber},
                              {T::diam}},
                    FaultCase{"EmptyBandwidth",
                              std::nullopt,
                              T::bw,
                              "",
                              S::HScroll23,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::NotANumber},
                              {T::ta}},
                    FaultCase{"HugeEirp",
                              std::nullopt,
                              T::eirp,
                              "1e308",
                              S::HScroll21,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::Overflow},
                              {T::diam}},
                    FaultCase{"HugeRainAllowance",
                              O::Option1,
                              T::attenuation,
                              "1e308",
                              S::HScroll25,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::Overflow},
                              {T::bw}},
                    FaultCase{"ZeroDistanceOnClearSkyClick",
                              O::Option2,
                              T::rsat,
                              "0",
                              std::nullopt,
                              O::rainoff,
                              {P::CarrierToNoiseCalc, K::DivisionByZero},
                              {}},
                    FaultCase{"HugeCableLoss",
                              std::nullopt,
                              T::cableloss2,
                              "1e308",
                              S::HScroll1,
                              O::rainoff,
                              {P::ber, K::Overflow},
                              {T::lnbnf}},
                    FaultCase{"VanishingLnbGain",
                              std::nullopt,
                              T::lnbgain,
                              "-1e308",
                              S::HScroll1,
                              O::rainoff,
                              {P::ber, K::DivisionByZero},
                              {T::lnbnf}},
                    FaultCase{"ZeroFrequency",
                              std::nullopt,
                              T::frekvens,
                              "0",
                              S::HScroll9,
                              O::rainoff,
                              {P::antber, K::DivisionByZero},
                              {T::eff}},
                    FaultCase{"NegativeEfficiency",
                              std::nullopt,
                              T::eff,
                              "-60",
                              S::HScroll8,
                              O::rainoff,
                              {P::antber, K::InvalidOperation},
                              {T::diameter1}},
                    // The C/N after a faulting alignment does not run: cnres keeps its text.
                    FaultCase{"HugeLatitude",
                              std::nullopt,
                              T::Latitud,
                              "1e308",
                              S::HScroll18,
                              O::rainoff,
                              {P::AlignmentCalc, K::Overflow},
                              {T::longitud}},
                    FaultCase{"HugeLatitudeWhileRaining",
                              O::Option3,
                              T::Latitud,
                              "1e308",
                              S::HScroll19,
                              O::rainoff,
                              {P::AlignmentCalc, K::Overflow},
                              {T::satposition}},
                    FaultCase{"HugeElevation",
                              std::nullopt,
                              T::el,
                              "1e200",
                              std::nullopt,
                              O::Option3,
                              {P::RainAttenuationCalc, K::Overflow},
                              {T::cnel, T::regntext}}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(FaultHandlingAtLoad, LoadStopsAtTheFirstFaultingProcedure) {
  Window w;
  w.setText(T::cableloss2, "1e308");
  const Outcome outcome = w.Form_Load();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, (Fault{P::ber, K::Overflow}));
  for (const T id : {T::totnf, T::GT, T::el, T::az, T::offset, T::cnres, T::Gain}) {
    EXPECT_EQ(w.text(id), "") << name(id);
  }
  EXPECT_EQ(w.text(T::rsat), "38000");
}

TEST(FaultHandlingAtLoad, FaultDescriptionNamesProcedureAndKind) {
  EXPECT_EQ(describe({P::CarrierToNoiseCalc, K::DivisionByZero}),
            "floating-point fault in CarrierToNoiseCalc: division by zero");
  EXPECT_EQ(describe({P::RainAttenuationCalc, K::NotANumber}),
            "floating-point fault in RainAttenuationCalc: text is not a number");
}

}  // namespace
}  // namespace kestrion
