// The controls of the main window that hold the calculator's state, and their
// static description: one record per input (its names, caption, range, scale,
// page and what its events compute), per result, rain option, pointer and
// page, from which the window, kestrion-cli, the web and the tests take them.
// The control names are the program's external interface (kestrion-cli
// events, JSON keys, Qt object names); the identifiers say what each control
// is. Each table is checked against its enumeration when it compiles.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translatable.h"

namespace kestrion {

// The sliders, in the order of their control names (HScroll1..HScroll25).
// bandwidth stays last: the count is taken from it.
enum class Input : std::uint8_t {
  lnbNoiseFigure,
  lnbGain,
  cableLoss,
  ifNoiseFigure,
  converterNoiseFigure,
  converterTemperature,
  feedLoss,
  gainDiameter,
  gainEfficiency,
  frequency,
  antennaTemperature,
  ifCableLoss,
  receiverNoiseFigure,
  ifGain,
  gtNoiseFigure,
  gtAntennaGain,
  latitude,
  longitude,
  satellite,
  eirp,
  dishDiameter,
  dishEfficiency,
  dishTemperature,
  linkNoiseFigure,
  bandwidth,
};
inline constexpr std::size_t kInputCount = static_cast<std::size_t>(Input::bandwidth) + 1;

// Every text the calculator keeps: first the inputs' value labels, each at its
// input's index (valueLabel below), then the results named here.
// rainAttenuation stays last: the count is taken from it.
enum class Value : std::uint8_t {
  systemNoiseFigure = kInputCount,
  antennaGain,
  figureOfMerit,
  elevation,
  azimuth,
  skew,
  distance,       // on the C/N page, which reads it
  shownDistance,  // its copy on the alignment page
  carrierToNoise,
  rainElevation,
  rainRate,         // hidden storage
  rainAttenuation,  // hidden storage
};
inline constexpr std::size_t kValueCount = static_cast<std::size_t>(Value::rainAttenuation) + 1;

// The rain options of the C/N page, one exclusive group. The last enumerator
// of each enumeration below gives its count.
enum class Rain : std::uint8_t { clearSky, rate5, rate10, rate50 };
inline constexpr std::size_t kRainCount = static_cast<std::size_t>(Rain::rate50) + 1;

// The pointers drawn over the alignment page's pictures.
enum class Pointer : std::uint8_t { skew, azimuth, elevation };
inline constexpr std::size_t kPointerCount = static_cast<std::size_t>(Pointer::elevation) + 1;

// The tab control's pages, in tab order; carrierToNoise stays last.
enum class Page : std::uint8_t {
  systemNoiseFigure,
  noiseTemperature,
  antennaGain,
  figureOfMerit,
  alignment,
  carrierToNoise,
};
inline constexpr int kPageCount = static_cast<int>(Page::carrierToNoise) + 1;

// How a slider's position becomes its value label.
enum class Scale : std::uint8_t {
  Whole,  // the position itself
  Tenth,  // position / 10, formed in single precision
};

// What a slider's events compute after writing its value label.
enum class Recompute : std::uint8_t {
  NoiseFigure,
  NoiseFigureToTemperature,  // writes both of the converter's labels itself
  TemperatureToNoiseFigure,  // likewise, the other way
  DishGain,
  FigureOfMerit,
  Alignment,  // then the C/N, and the rain allowance while it rains
  CarrierToNoise,
};

constexpr std::size_t index(Input id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(Value id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(Rain id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(Pointer id) {
  return static_cast<std::size_t>(id);
}
constexpr std::size_t index(Page id) {
  return static_cast<std::size_t>(id);
}

// Whether row i of a table carries the enumerator of index first + i, so that
// a table out of its enumeration's order does not compile (beside a check of
// its size, as a missing last row is no misplaced one).
template <typename Rows>
constexpr bool inOrder(const Rows& rows, std::size_t first = 0) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<std::size_t>(rows[i].id) != first + i) {
      return false;
    }
  }
  return true;
}

// Everything about one slider: its control name, its value label's name, the
// caption beside it, its range, scale and start, its page and what its events
// compute.
struct InputSpec {
  Input id;
  std::string_view name;       // the slider's control name
  std::string_view valueName;  // its value label's control name
  int page;                    // index(Page)
  std::string_view caption;    // the quantity, as the caption beside it says
  std::string_view unit;
  Scale scale;
  std::int16_t min;
  std::int16_t max;
  std::int16_t initial;
  Recompute recompute;
};

// clang-format off
inline constexpr auto kInputs = [] {
  using enum Input;
  using enum Scale;
  using enum Recompute;
  return std::to_array<InputSpec>({
    {lnbNoiseFigure,       "HScroll1",  "lnbnf",       0, QT_TRANSLATE_NOOP("Caption", "LNB Noise Figure (dB)"),          "dB",  Tenth, 0,    100,   10,  NoiseFigure},
    {lnbGain,              "HScroll2",  "lnbgain",     0, QT_TRANSLATE_NOOP("Caption", "Gain LNB (dB)"),                  "dB",  Whole, 0,    80,    45,  NoiseFigure},
    {cableLoss,            "HScroll3",  "cableloss",   0, QT_TRANSLATE_NOOP("Caption", "Cable Loss (dB)"),                "dB",  Whole, 0,    100,   10,  NoiseFigure},
    {ifNoiseFigure,        "HScroll4",  "ifnf",        0, QT_TRANSLATE_NOOP("Caption", "IF amplifier noise figure (dB)"), "dB",  Whole, 0,    30,    10,  NoiseFigure},
    {converterNoiseFigure, "HScroll5",  "nf",          1, QT_TRANSLATE_NOOP("Caption", "Noise Figure (dB)"),              "dB",  Tenth, 0,    200,   10,  NoiseFigureToTemperature},
    {converterTemperature, "HScroll6",  "nt",          1, QT_TRANSLATE_NOOP("Caption", "Noise Temperature (K)"),          "K",   Whole, 0,    10000, 75,  TemperatureToNoiseFigure},
    {feedLoss,             "HScroll7",  "feedloss",    0, QT_TRANSLATE_NOOP("Caption", "Feed Losses (dB)"),               "dB",  Tenth, 0,    30,    0,   NoiseFigure},
    {gainDiameter,         "HScroll8",  "diameter1",   2, QT_TRANSLATE_NOOP("Caption", "Dish Diameter (m)"),              "m",   Tenth, 1,    100,   10,  DishGain},
    {gainEfficiency,       "HScroll9",  "eff",         2, QT_TRANSLATE_NOOP("Caption", "Efficiency (%)"),                 "%",   Whole, 1,    200,   60,  DishGain},
    {frequency,            "HScroll10", "frekvens",    2, QT_TRANSLATE_NOOP("Caption", "Frequency (GHz)"),                "GHz", Tenth, 10,   300,   120, DishGain},
    {antennaTemperature,   "HScroll11", "tant",        0, QT_TRANSLATE_NOOP("Caption", "Antenna noise temperature (K)"),  "K",   Whole, 0,    400,   0,   NoiseFigure},
    {ifCableLoss,          "HScroll12", "cableloss2",  0, QT_TRANSLATE_NOOP("Caption", "Cable Loss (dB)"),                "dB",  Whole, 0,    50,    10,  NoiseFigure},
    {receiverNoiseFigure,  "HScroll13", "recnf",       0, QT_TRANSLATE_NOOP("Caption", "Receiver Noise Figure (dB)"),     "dB",  Whole, 1,    30,    10,  NoiseFigure},
    {ifGain,               "HScroll14", "ifgain",      0, QT_TRANSLATE_NOOP("Caption", "IF Amplifier Gain (dB)"),         "dB",  Whole, 0,    50,    15,  NoiseFigure},
    {gtNoiseFigure,        "HScroll15", "snf",         3, QT_TRANSLATE_NOOP("Caption", "System Noise Figure (dB)"),       "dB",  Tenth, 1,    100,   10,  FigureOfMerit},
    {gtAntennaGain,        "HScroll16", "again",       3, QT_TRANSLATE_NOOP("Caption", "Antenna Gain (dB)"),              "dB",  Tenth, 10,   800,   500, FigureOfMerit},
    {latitude,             "HScroll17", "Latitud",     4, QT_TRANSLATE_NOOP("Caption", "Latitude"),                       "deg", Whole, -90,  90,    60,  Alignment},
    {longitude,            "HScroll18", "longitud",    4, QT_TRANSLATE_NOOP("Caption", "Longitude"),                      "deg", Whole, -180, 180,   15,  Alignment},
    {satellite,            "HScroll19", "satposition", 4, QT_TRANSLATE_NOOP("Caption", "Satellite position"),             "deg", Whole, -180, 180,   0,   Alignment},
    {eirp,                 "HScroll20", "eirp",        5, QT_TRANSLATE_NOOP("Caption", "Eirp (dBW)"),                     "dBW", Whole, 0,    70,    40,  CarrierToNoise},
    {dishDiameter,         "HScroll21", "diam",        5, QT_TRANSLATE_NOOP("Caption", "Dish Diameter (cm)"),             "cm",  Whole, 20,   500,   150, CarrierToNoise},
    {dishEfficiency,       "HScroll22", "efficiency",  5, QT_TRANSLATE_NOOP("Caption", "Antenna Efficiency  (%)"),        "%",   Whole, 1,    100,   60,  CarrierToNoise},
    {dishTemperature,      "HScroll23", "ta",          5, QT_TRANSLATE_NOOP("Caption", "Antenna Noise Temp. (K)"),        "K",   Whole, 0,    100,   30,  CarrierToNoise},
    {linkNoiseFigure,      "HScroll24", "nflnb",       5, QT_TRANSLATE_NOOP("Caption", "System Noise Figure"),            "dB",  Tenth, 1,    100,   10,  CarrierToNoise},
    {bandwidth,            "HScroll25", "bw",          5, QT_TRANSLATE_NOOP("Caption", "Bandwidth (MHz)"),                "MHz", Whole, 1,    100,   30,  CarrierToNoise},
  });
}();
// clang-format on
static_assert(kInputs.size() == kInputCount, "kInputs: one row per Input");
static_assert(inOrder(kInputs), "kInputs: row i is Input i");

// A result's control name and the caption beside it; the hidden storage has
// no caption.
struct ResultSpec {
  Value id;
  std::string_view name;
  std::string_view caption;
};

inline constexpr auto kResults = std::to_array<ResultSpec>({
    {Value::systemNoiseFigure, "totnf", QT_TRANSLATE_NOOP("Caption", "System Noise Figure (dB)")},
    {Value::antennaGain, "Gain", QT_TRANSLATE_NOOP("Caption", "Antenna Gain (dB)")},
    {Value::figureOfMerit, "GT", QT_TRANSLATE_NOOP("Caption", "G/T (dB/K)")},
    {Value::elevation, "el", QT_TRANSLATE_NOOP("Caption", "Elevation angle (deg)")},
    {Value::azimuth, "az", QT_TRANSLATE_NOOP("Caption", "Azimuth angle (deg)")},
    {Value::skew, "offset", QT_TRANSLATE_NOOP("Caption", "Polarization angle (deg)")},
    {Value::distance, "rsat", QT_TRANSLATE_NOOP("Caption", "Distance to satellite (km)")},
    {Value::shownDistance, "rsat2", QT_TRANSLATE_NOOP("Caption", "Distance to satellite (km)")},
    {Value::carrierToNoise, "cnres", QT_TRANSLATE_NOOP("Caption", "Carrier to Noise (dB)")},
    {Value::rainElevation, "cnel", QT_TRANSLATE_NOOP("Caption", "Elevation")},
    {Value::rainRate, "regntext", ""},
    {Value::rainAttenuation, "attenuation", ""},
});
static_assert(kResults.size() == kValueCount - kInputCount, "kResults: one row per result");
static_assert(inOrder(kResults, kInputCount), "kResults: row i is Value kInputCount + i");

// Control names of every value, in value order (the JSON keeps this order).
inline constexpr auto kValueNames = [] {
  std::array<std::string_view, kValueCount> names{};
  for (const InputSpec& s : kInputs) {
    names.at(index(s.id)) = s.valueName;
  }
  for (const ResultSpec& r : kResults) {
    names.at(index(r.id)) = r.name;
  }
  return names;
}();

struct RainSpec {
  Rain id;
  std::string_view name;  // the option's control name
  std::string_view caption;
  int rate;  // mm/h, as the option stores it; clear sky stores none
};

inline constexpr auto kRainOptions = std::to_array<RainSpec>({
    {Rain::clearSky, "rainoff", QT_TRANSLATE_NOOP("Caption", "Clear sky"), 0},
    {Rain::rate5, "Option1", QT_TRANSLATE_NOOP("Caption", "Rain 5 mm/h"), 5},
    {Rain::rate10, "Option2", QT_TRANSLATE_NOOP("Caption", "Rain 10 mm/h"), 10},
    {Rain::rate50, "Option3", QT_TRANSLATE_NOOP("Caption", "Rain 50 mm/h"), 50},
});
static_assert(kRainOptions.size() == kRainCount, "kRainOptions: one row per Rain");
static_assert(inOrder(kRainOptions), "kRainOptions: row i is Rain i");

struct PointerSpec {
  Pointer id;
  std::string_view name;  // the line's control name
};

inline constexpr auto kPointers = std::to_array<PointerSpec>({
    {Pointer::skew, "Line6"},
    {Pointer::azimuth, "Line7"},
    {Pointer::elevation, "Line8"},
});
static_assert(kPointers.size() == kPointerCount, "kPointers: one row per Pointer");
static_assert(inOrder(kPointers), "kPointers: row i is Pointer i");

struct PageSpec {
  Page id;
  std::string_view caption;  // its tab's
};

inline constexpr auto kPages = std::to_array<PageSpec>({
    {Page::systemNoiseFigure, QT_TRANSLATE_NOOP("Caption", "System Noise Figure")},
    {Page::noiseTemperature, QT_TRANSLATE_NOOP("Caption", "NF to Noise Temperature")},
    {Page::antennaGain, QT_TRANSLATE_NOOP("Caption", "Antenna Gain Calculations")},
    {Page::figureOfMerit, QT_TRANSLATE_NOOP("Caption", "G/T Calculations")},
    {Page::alignment, QT_TRANSLATE_NOOP("Caption", "Antenna Alignment")},
    {Page::carrierToNoise, QT_TRANSLATE_NOOP("Caption", "C/N")},
});
static_assert(kPages.size() == kPageCount, "kPages: one row per Page");
static_assert(inOrder(kPages), "kPages: row i is Page i");

inline constexpr auto kPageCaptions = [] {
  std::array<std::string_view, kPageCount> captions{};
  for (const PageSpec& p : kPages) {
    captions.at(index(p.id)) = p.caption;
  }
  return captions;
}();

constexpr int pageNumber(Page id) {
  return static_cast<int>(id);
}
static_assert(std::all_of(kInputs.begin(), kInputs.end(),
                          [](const InputSpec& s) { return s.page >= 0 && s.page < kPageCount; }),
              "kInputs: every input on a page");

// An input's value label: the value of the input's index.
constexpr Value valueLabel(Input id) {
  return static_cast<Value>(index(id));
}
constexpr const InputSpec& inputSpec(Input id) {
  return kInputs[index(id)];
}
constexpr std::string_view name(Input id) {
  return kInputs[index(id)].name;
}
constexpr std::string_view name(Value id) {
  return kValueNames[index(id)];
}
constexpr std::string_view name(Rain id) {
  return kRainOptions[index(id)].name;
}
constexpr std::string_view name(Pointer id) {
  return kPointers[index(id)].name;
}
constexpr std::string_view caption(Input id) {
  return kInputs[index(id)].caption;
}
constexpr std::string_view caption(Value id) {
  return index(id) < kInputCount ? kInputs[index(id)].caption
                                 : kResults[index(id) - kInputCount].caption;
}
constexpr std::string_view caption(Rain id) {
  return kRainOptions[index(id)].caption;
}

// Look-ups of the external names, for kestrion-cli's events.
std::optional<Input> inputNamed(std::string_view wanted);
std::optional<Value> valueNamed(std::string_view wanted);
std::optional<Rain> rainNamed(std::string_view wanted);

}  // namespace kestrion
