// The probe must see what it is there to see: a state that faults, or whose
// result leaves its range, is reported; a clean event is not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe.h"

namespace kestrion::sweep {
namespace {

struct ProbeCase {
  const char* name;
  std::vector<std::pair<Value, const char*>> texts;  // written before the event
  Rain click;
  const char* expectedKind;  // nullptr: nothing broken
};

void PrintTo(const ProbeCase& c, std::ostream* os) {
  *os << c.name;
}

class ProbeFindings : public testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeFindings, ReportsWhatBreaks) {
  const ProbeCase& c = GetParam();
  Probe probe;
  for (const auto& [id, text] : c.texts) {
    probe.put(id, text);
  }
  probe.click(c.click);
  const Findings& f = probe.findings();
  EXPECT_EQ(f.events, 1U);
  if (c.expectedKind == nullptr) {
    EXPECT_EQ(f.total(), 0U) << (f.counts.empty() ? "" : f.counts.begin()->first);
  } else {
    EXPECT_TRUE(f.counts.contains(c.expectedKind))
        << (f.counts.empty() ? "nothing found" : f.counts.begin()->first);
    EXPECT_FALSE(f.examples.at(c.expectedKind).empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Events, ProbeFindings,
    testing::Values(
        ProbeCase{"clean", {}, Rain::clearSky, nullptr},
        ProbeCase{"zero distance",
                  {{Value::distance, "0"}},
                  Rain::clearSky,
                  "fault: floating-point fault in CarrierToNoiseCalc: division by zero"},
        ProbeCase{"distance not a number",
                  {{Value::distance, "abc"}},
                  Rain::clearSky,
                  "fault: floating-point fault in CarrierToNoiseCalc: text is not a number"},
        ProbeCase{"distance far too short",
                  {{Value::distance, "1"}},
                  Rain::clearSky,
                  "cnres: outside its derived range"},
        ProbeCase{"elevation beyond the zenith",
                  {{Value::elevation, "400"}},
                  Rain::rate50,
                  "attenuation: outside its derived range"}));

TEST(ProbeFindings, SliderSweepOfAPageIsClean) {
  Probe probe;
  for (int p = inputSpec(Input::gtAntennaGain).min; p <= inputSpec(Input::gtAntennaGain).max; ++p) {
    probe.move(Input::gtAntennaGain, p, p % 2 == 0 ? SliderEvent::Change : SliderEvent::Scroll);
  }
  EXPECT_EQ(probe.findings().events, 791U);
  EXPECT_EQ(probe.findings().total(), 0U);
}

}  // namespace
}  // namespace kestrion::sweep
