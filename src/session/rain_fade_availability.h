// The ITU-R rain fade of the C/N page's link at the alignment page's site:
// the figures the window's rain-availability section, the job sheet and the
// browser show, and what the section asks for and starts from. The window's
// section sets its inputs by the rain fade's events ("frequency:=12"), so a
// front-end that only sends events shows the same.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/rain_fade.h"
#include "model/window.h"
#include "session/rain_fade_inputs.h"
#include "session/report.h"

namespace kestrion {

// The alignment page's site, read from its texts as the rain options read them.
struct RainSite {
  double elevation;
  double latitude;
  double longitude;
};
RainSite rainSiteOf(const Window& w);

// R0.01 and the rain height at the site: as typed or zoned, or read off the map.
std::optional<double> rainRateAt(const RainRateSource& source, const RainSite& site);
std::optional<double> rainHeightAt(const RainHeightSource& source, const RainSite& site);

// The percentages of the year the section shows the fade for, exceeded:
// 99.9, 99.95 and 99.99 % available.
inline constexpr std::array<double, 3> kSectionPercents{0.1, 0.05, 0.01};

struct RainAvailability {
  enum class Status : std::uint8_t {
    ready,
    missing,       // no frequency, rain rate or rain height yet
    belowHorizon,  // the alignment page's satellite is not above it
    fault,         // a floating-point fault in the working
  };
  struct Fade {
    double percent;  // exceeded
    double attenuation;
    double carrierToNoiseDrop;
  };
  Status status = Status::missing;
  RainSite site{};
  std::optional<double> rainRate;
  std::optional<double> rainHeight;
  std::array<Fade, kSectionPercents.size()> fades{};
  // With a required C/N: the clear-sky margin over it and what it buys.
  std::optional<double> margin;
  std::optional<calc::Availability> availability;
  // With a target too: the smallest dish in the C/N page's range that
  // reaches it; none when even the largest falls short.
  bool dishSought = false;
  std::optional<int> dish;
};

RainAvailability rainAvailability(const RainFadeInputs& inputs, const Window& w);

// What makes the figures mislead, a sentence each in the language of
// inLanguage (context "RainFade"): a station at or above the rain height,
// whose path has no rain below it and whose every fade is 0 dB.
std::vector<std::string> rainFadeWarnings(const RainFadeInputs& inputs, const RainSite& site,
                                          const Translate& inLanguage);

// One number box of the section: the input it sets (whose event name is
// the box's control name), its caption and tooltip (translation context
// "RainFade"), unit and steps.
struct RainSectionInput {
  RainFadeField field;
  std::string_view caption;
  std::string_view unit;
  int decimals;
  double step;
  std::string_view tooltip;
};
std::span<const RainSectionInput> rainSectionInputs();
// The row of one of the table's fields.
const RainSectionInput& rainSectionInput(RainFadeField field);

// The section's choices beside its number boxes, each setting its field by
// name: the polarization, the rain zone, the two maps and the DVB-S2
// modulation and code rate.
struct RainSectionChoice {
  RainFadeField field;
  std::string_view name;  // the control's name
  std::string_view caption;
  std::string_view tooltip;
  // The entry that leaves the number to be typed ("I type the rate"); empty
  // for a choice without one.
  std::string_view typed;
};
std::span<const RainSectionChoice> rainSectionChoices();
const RainSectionChoice& rainSectionChoice(RainFadeField field);

// The section's inputs fall into groups that one event sets at a time: the
// rain rate is typed, a zone's or a map's, whichever came last. A front-end
// keeps the last event of each group under the group's name, and starts a
// group it has kept nothing of from the events below.
std::string_view rainSectionGroup(RainFadeField field);
std::span<const std::string_view> rainSectionStart();
// Whether the inputs are still those the start events give, an example and
// not a site's own.
bool isRainSectionStart(const RainFadeInputs& inputs);
// Whether the inputs hold anything of the group yet: the tilt and station
// height always do, the others once set.
bool hasRainSectionGroup(const RainFadeInputs& inputs, std::string_view group);

// The polarizations the section offers by name, as the tilt input takes them,
// with their captions; anything else is a tilt in degrees.
struct RainPolarization {
  std::string_view word;
  std::string_view caption;
};
std::span<const RainPolarization> rainPolarizations();

}  // namespace kestrion
