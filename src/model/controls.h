// The named controls of the main window that the calculator reads and writes,
// and the static description of every slider (range, scale, value label and
// the procedures its events run). The GUI and the command-line driver build
// on these tables instead of repeating them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrion {

// HScroll1..HScroll25; the enumerator's value is the number minus one.
enum class SliderId : std::uint8_t {
  HScroll1,
  HScroll2,
  HScroll3,
  HScroll4,
  HScroll5,
  HScroll6,
  HScroll7,
  HScroll8,
  HScroll9,
  HScroll10,
  HScroll11,
  HScroll12,
  HScroll13,
  HScroll14,
  HScroll15,
  HScroll16,
  HScroll17,
  HScroll18,
  HScroll19,
  HScroll20,
  HScroll21,
  HScroll22,
  HScroll23,
  HScroll24,
  HScroll25,
};
inline constexpr std::size_t kSliderCount = 25;

// Every text the calculator keeps. The first 25 are the value labels in slider
// order, so a slider's value label has the slider's index.
enum class TextId : std::uint8_t {
  lnbnf,
  lnbgain,
  cableloss,
  ifnf,
  nf,
  nt,
  feedloss,
  diameter1,
  eff,
  frekvens,
  tant,
  cableloss2,
  recnf,
  ifgain,
  snf,
  again,
  Latitud,
  longitud,
  satposition,
  eirp,
  diam,
  efficiency,
  ta,
  nflnb,
  bw,
  totnf,
  Gain,
  GT,
  el,
  az,
  offset,
  rsat,
  rsat2,
  cnres,
  cnel,
  regntext,
  attenuation,
};
inline constexpr std::size_t kTextCount = 37;

enum class OptionId : std::uint8_t { rainoff, Option1, Option2, Option3 };
inline constexpr std::size_t kOptionCount = 4;

enum class LineId : std::uint8_t { Line6, Line7, Line8 };
inline constexpr std::size_t kLineCount = 3;

enum class SliderEvent : std::uint8_t { Change, Scroll };

// How a slider's position becomes its value label.
enum class Scale : std::uint8_t {
  Whole,  // the position itself
  Tenth,  // position / 10, formed in single precision
};

// What a slider's events compute after writing the value label.
enum class Recompute : std::uint8_t {
  NoiseFigure,      // ber
  NfToTemperature,  // HScroll5: the converter writes both of its labels
  TemperatureToNf,  // HScroll6: likewise, the other way
  AntennaGain,      // antber
  FigureOfMerit,    // gtber
  Alignment,        // AlignmentCalc, then the C/N (and rain while it rains)
  CarrierToNoise,   // CarrierToNoiseCalc
};

struct SliderSpec {
  std::string_view name;
  int page;
  std::string_view quantity;  // the caption beside the value label
  std::string_view unit;
  Scale scale;
  std::int16_t min;
  std::int16_t max;
  std::int16_t initial;
  Recompute recompute;
};

extern const std::array<SliderSpec, kSliderCount> kSliders;
extern const std::array<std::string_view, kTextCount> kTextNames;
extern const std::array<std::string_view, kOptionCount> kOptionNames;
extern const std::array<std::string_view, kLineCount> kLineNames;
extern const std::array<std::string_view, 6> kPageCaptions;

constexpr std::size_t index(SliderId id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(TextId id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(OptionId id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(LineId id) {
  return static_cast<std::size_t>(id);
}

constexpr TextId valueLabel(SliderId id) {
  return static_cast<TextId>(index(id));
}
inline const SliderSpec& sliderSpec(SliderId id) {
  return kSliders[index(id)];
}
inline std::string_view name(SliderId id) {
  return kSliders[index(id)].name;
}
inline std::string_view name(TextId id) {
  return kTextNames[index(id)];
}
inline std::string_view name(OptionId id) {
  return kOptionNames[index(id)];
}
inline std::string_view name(LineId id) {
  return kLineNames[index(id)];
}

std::optional<SliderId> sliderByName(std::string_view wanted);
std::optional<TextId> textByName(std::string_view wanted);
std::optional<OptionId> optionByName(std::string_view wanted);

}  // namespace kestrion
