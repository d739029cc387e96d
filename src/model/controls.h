// The controls of the main window that hold the calculator's state, and their
// static description: each input's range and scale, and the captions and
// control names that the window, kestrion-cli and the tests share. The
// control names are the program's external interface (kestrion-cli events,
// JSON keys, Qt object names); the identifiers say what each control is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translatable.h"

namespace kestrion {

// The sliders, in the order of their control names (HScroll1..HScroll25).
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
inline constexpr std::size_t kInputCount = 25;

// Every text the calculator keeps. The first 25 are the inputs' value labels
// in input order, so an input's value label has the input's index.
enum class Value : std::uint8_t {
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
  systemNoiseFigure,
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
inline constexpr std::size_t kValueCount = 37;

// The rain options of the C/N page, one exclusive group.
enum class Rain : std::uint8_t { clearSky, rate5, rate10, rate50 };
inline constexpr std::size_t kRainCount = 4;

// The pointers drawn over the alignment page's pictures.
enum class Pointer : std::uint8_t { skew, azimuth, elevation };
inline constexpr std::size_t kPointerCount = 3;

// How a slider's position becomes its value label.
enum class Scale : std::uint8_t {
  Whole,  // the position itself
  Tenth,  // position / 10, formed in single precision
};

inline constexpr int kPageCount = 6;

struct InputSpec {
  std::string_view name;  // the slider's control name
  int page;
  std::string_view caption;  // the quantity, as the caption beside it says
  std::string_view unit;
  Scale scale;
  std::int16_t min;
  std::int16_t max;
  std::int16_t initial;
};

// clang-format off
inline constexpr std::array<InputSpec, kInputCount> kInputs{{
    {"HScroll1",  0, QT_TRANSLATE_NOOP("Caption", "LNB Noise Figure (dB)"),          "dB",  Scale::Tenth, 0,    100,   10},
    {"HScroll2",  0, QT_TRANSLATE_NOOP("Caption", "Gain LNB (dB)"),                  "dB",  Scale::Whole, 0,    80,    45},
    {"HScroll3",  0, QT_TRANSLATE_NOOP("Caption", "Cable Loss (dB)"),                "dB",  Scale::Whole, 0,    100,   10},
    {"HScroll4",  0, QT_TRANSLATE_NOOP("Caption", "IF amplifier noise figure (dB)"), "dB",  Scale::Whole, 0,    30,    10},
    {"HScroll5",  1, QT_TRANSLATE_NOOP("Caption", "Noise Figure (dB)"),              "dB",  Scale::Tenth, 0,    200,   10},
    {"HScroll6",  1, QT_TRANSLATE_NOOP("Caption", "Noise Temperature (K)"),          "K",   Scale::Whole, 0,    10000, 75},
    {"HScroll7",  0, QT_TRANSLATE_NOOP("Caption", "Feed Losses (dB)"),               "dB",  Scale::Tenth, 0,    30,    0},
    {"HScroll8",  2, QT_TRANSLATE_NOOP("Caption", "Dish Diameter (m)"),              "m",   Scale::Tenth, 1,    100,   10},
    {"HScroll9",  2, QT_TRANSLATE_NOOP("Caption", "Efficiency (%)"),                 "%",   Scale::Whole, 1,    200,   60},
    {"HScroll10", 2, QT_TRANSLATE_NOOP("Caption", "Frequency (GHz)"),                "GHz", Scale::Tenth, 10,   300,   120},
    {"HScroll11", 0, QT_TRANSLATE_NOOP("Caption", "Antenna noise temperature (K)"),  "K",   Scale::Whole, 0,    400,   0},
    {"HScroll12", 0, QT_TRANSLATE_NOOP("Caption", "Cable Loss (dB)"),                "dB",  Scale::Whole, 0,    50,    10},
    {"HScroll13", 0, QT_TRANSLATE_NOOP("Caption", "Receiver Noise Figure (dB)"),     "dB",  Scale::Whole, 1,    30,    10},
    {"HScroll14", 0, QT_TRANSLATE_NOOP("Caption", "IF Amplifier Gain (dB)"),         "dB",  Scale::Whole, 0,    50,    15},
    {"HScroll15", 3, QT_TRANSLATE_NOOP("Caption", "System Noise Figure (dB)"),       "dB",  Scale::Tenth, 1,    100,   10},
    {"HScroll16", 3, QT_TRANSLATE_NOOP("Caption", "Antenna Gain (dB)"),              "dB",  Scale::Tenth, 10,   800,   500},
    {"HScroll17", 4, QT_TRANSLATE_NOOP("Caption", "Latitude"),                       "deg", Scale::Whole, -90,  90,    60},
    {"HScroll18", 4, QT_TRANSLATE_NOOP("Caption", "Longitude"),                      "deg", Scale::Whole, -180, 180,   15},
    {"HScroll19", 4, QT_TRANSLATE_NOOP("Caption", "Satellite position"),             "deg", Scale::Whole, -180, 180,   0},
    {"HScroll20", 5, QT_TRANSLATE_NOOP("Caption", "Eirp (dBW)"),                     "dBW", Scale::Whole, 0,    70,    40},
    {"HScroll21", 5, QT_TRANSLATE_NOOP("Caption", "Dish Diameter (cm)"),             "cm",  Scale::Whole, 20,   500,   150},
    {"HScroll22", 5, QT_TRANSLATE_NOOP("Caption", "Antenna Efficiency  (%)"),        "%",   Scale::Whole, 1,    100,   60},
    {"HScroll23", 5, QT_TRANSLATE_NOOP("Caption", "Antenna Noise Temp. (K)"),        "K",   Scale::Whole, 0,    100,   30},
    {"HScroll24", 5, QT_TRANSLATE_NOOP("Caption", "System Noise Figure"),            "dB",  Scale::Tenth, 1,    100,   10},
    {"HScroll25", 5, QT_TRANSLATE_NOOP("Caption", "Bandwidth (MHz)"),                "MHz", Scale::Whole, 1,    100,   30},
}};
// clang-format on

// Control names of every value, in value order (the JSON keeps this order).
inline constexpr std::array<std::string_view, kValueCount> kValueNames{
    "lnbnf",      "lnbgain",     "cableloss", "ifnf",     "nf",          "nt",    "feedloss",
    "diameter1",  "eff",         "frekvens",  "tant",     "cableloss2",  "recnf", "ifgain",
    "snf",        "again",       "Latitud",   "longitud", "satposition", "eirp",  "diam",
    "efficiency", "ta",          "nflnb",     "bw",       "totnf",       "Gain",  "GT",
    "el",         "az",          "offset",    "rsat",     "rsat2",       "cnres", "cnel",
    "regntext",   "attenuation",
};

// The captions of the results, from systemNoiseFigure on; the hidden storage
// has none.
inline constexpr std::array<std::string_view, kValueCount - kInputCount> kResultCaptions{
    QT_TRANSLATE_NOOP("Caption", "System Noise Figure (dB)"),
    QT_TRANSLATE_NOOP("Caption", "Antenna Gain (dB)"),
    QT_TRANSLATE_NOOP("Caption", "G/T (dB/K)"),
    QT_TRANSLATE_NOOP("Caption", "Elevation angle (deg)"),
    QT_TRANSLATE_NOOP("Caption", "Azimuth angle (deg)"),
    QT_TRANSLATE_NOOP("Caption", "Polarization angle (deg)"),
    QT_TRANSLATE_NOOP("Caption", "Distance to satellite (km)"),
    QT_TRANSLATE_NOOP("Caption", "Distance to satellite (km)"),
    QT_TRANSLATE_NOOP("Caption", "Carrier to Noise (dB)"),
    QT_TRANSLATE_NOOP("Caption", "Elevation"),
    "",
    "",
};

struct RainSpec {
  std::string_view name;  // the option's control name
  std::string_view caption;
};

inline constexpr std::array<RainSpec, kRainCount> kRainOptions{{
    {"rainoff", QT_TRANSLATE_NOOP("Caption", "Clear sky")},
    {"Option1", QT_TRANSLATE_NOOP("Caption", "Rain 5 mm/h")},
    {"Option2", QT_TRANSLATE_NOOP("Caption", "Rain 10 mm/h")},
    {"Option3", QT_TRANSLATE_NOOP("Caption", "Rain 50 mm/h")},
}};

inline constexpr std::array<std::string_view, kPointerCount> kPointerNames{"Line6", "Line7",
                                                                           "Line8"};

inline constexpr std::array<std::string_view, kPageCount> kPageCaptions{
    QT_TRANSLATE_NOOP("Caption", "System Noise Figure"),
    QT_TRANSLATE_NOOP("Caption", "NF to Noise Temperature"),
    QT_TRANSLATE_NOOP("Caption", "Antenna Gain Calculations"),
    QT_TRANSLATE_NOOP("Caption", "G/T Calculations"),
    QT_TRANSLATE_NOOP("Caption", "Antenna Alignment"),
    QT_TRANSLATE_NOOP("Caption", "C/N"),
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
  return kPointerNames[index(id)];
}
constexpr std::string_view caption(Input id) {
  return kInputs[index(id)].caption;
}
constexpr std::string_view caption(Value id) {
  return index(id) < kInputCount ? kInputs[index(id)].caption
                                 : kResultCaptions[index(id) - kInputCount];
}
constexpr std::string_view caption(Rain id) {
  return kRainOptions[index(id)].caption;
}

// Look-ups of the external names, for kestrion-cli's events.
std::optional<Input> inputNamed(std::string_view wanted);
std::optional<Value> valueNamed(std::string_view wanted);
std::optional<Rain> rainNamed(std::string_view wanted);

}  // namespace kestrion
