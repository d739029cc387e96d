#include "controls.h"

#include <algorithm>

namespace kestrion {

// clang-format off
const std::array<SliderSpec, kSliderCount> kSliders{{
    {"HScroll1",  0, "LNB Noise Figure (dB)",          "dB",    Scale::Tenth, 0,    100,   10,  Recompute::NoiseFigure},
    {"HScroll2",  0, "Gain LNB (dB)",                  "dB",    Scale::Whole, 0,    80,    45,  Recompute::NoiseFigure},
    {"HScroll3",  0, "Cable Loss (dB)",                "dB",    Scale::Whole, 0,    100,   10,  Recompute::NoiseFigure},
    {"HScroll4",  0, "IF amplifier noise figure (dB)", "dB",    Scale::Whole, 0,    30,    10,  Recompute::NoiseFigure},
    {"HScroll5",  1, "Noise Figure (dB)",              "dB",    Scale::Tenth, 0,    200,   10,  Recompute::NfToTemperature},
    {"HScroll6",  1, "Noise Temperature (K)",          "K",     Scale::Whole, 0,    10000, 75,  Recompute::TemperatureToNf},
    {"HScroll7",  0, "Feed Losses (dB)",               "dB",    Scale::Tenth, 0,    30,    0,   Recompute::NoiseFigure},
    {"HScroll8",  2, "Dish Diameter (m)",              "m",     Scale::Tenth, 1,    100,   10,  Recompute::AntennaGain},
    {"HScroll9",  2, "Efficiency (%)",                 "%",     Scale::Whole, 1,    200,   60,  Recompute::AntennaGain},
    {"HScroll10", 2, "Frequency (GHz)",                "GHz",   Scale::Tenth, 10,   300,   120, Recompute::AntennaGain},
    {"HScroll11", 0, "Antenna noise temperature (K)",  "K",     Scale::Whole, 0,    400,   0,   Recompute::NoiseFigure},
    {"HScroll12", 0, "Cable Loss (dB)",                "dB",    Scale::Whole, 0,    50,    10,  Recompute::NoiseFigure},
    {"HScroll13", 0, "Receiver Noise Figure (dB)",     "dB",    Scale::Whole, 1,    30,    10,  Recompute::NoiseFigure},
    {"HScroll14", 0, "IF Amplifier Gain (dB)",         "dB",    Scale::Whole, 0,    50,    15,  Recompute::NoiseFigure},
    {"HScroll15", 3, "System Noise Figure (dB)",       "dB",    Scale::Tenth, 1,    100,   10,  Recompute::FigureOfMerit},
    {"HScroll16", 3, "Antenna Gain (dB)",              "dB",    Scale::Tenth, 10,   800,   500, Recompute::FigureOfMerit},
    {"HScroll17", 4, "Latitude",                       "deg",   Scale::Whole, -90,  90,    60,  Recompute::Alignment},
    {"HScroll18", 4, "Longitude",                      "deg",   Scale::Whole, -180, 180,   15,  Recompute::Alignment},
    {"HScroll19", 4, "Satellite position",             "deg",   Scale::Whole, -180, 180,   0,   Recompute::Alignment},
    {"HScroll20", 5, "Eirp (dBW)",                     "dBW",   Scale::Whole, 0,    70,    40,  Recompute::CarrierToNoise},
    {"HScroll21", 5, "Dish Diameter (cm)",             "cm",    Scale::Whole, 20,   500,   150, Recompute::CarrierToNoise},
    {"HScroll22", 5, "Antenna Efficiency  (%)",        "%",     Scale::Whole, 1,    100,   60,  Recompute::CarrierToNoise},
    {"HScroll23", 5, "Antenna Noise Temp. (K)",        "K",     Scale::Whole, 0,    100,   30,  Recompute::CarrierToNoise},
    {"HScroll24", 5, "System Noise Figure",            "dB",    Scale::Tenth, 1,    100,   10,  Recompute::CarrierToNoise},
    {"HScroll25", 5, "Bandwidth (MHz)",                "MHz",   Scale::Whole, 1,    100,   30,  Recompute::CarrierToNoise},
}};
// clang-format on

const std::array<std::string_view, kTextCount> kTextNames{
    "lnbnf",      "lnbgain",     "cableloss", "ifnf",     "nf",          "nt",    "feedloss",
    "diameter1",  "eff",         "frekvens",  "tant",     "cableloss2",  "recnf", "ifgain",
    "snf",        "again",       "Latitud",   "longitud", "satposition", "eirp",  "diam",
    "efficiency", "ta",          "nflnb",     "bw",       "totnf",       "Gain",  "GT",
    "el",         "az",          "offset",    "rsat",     "rsat2",       "cnres", "cnel",
    "regntext",   "attenuation",
};

const std::array<std::string_view, kOptionCount> kOptionNames{"rainoff", "Option1", "Option2",
                                                              "Option3"};

const std::array<std::string_view, kLineCount> kLineNames{"Line6", "Line7", "Line8"};

const std::array<std::string_view, 6> kPageCaptions{
    "System Noise Figure", "NF to Noise Temperature", "Antenna Gain Calculations",
    "G/T Calculations",    "Antenna Alignment",       "C/N",
};

namespace {
template <typename Id, typename Names>
std::optional<Id> find(const Names& names, std::string_view wanted) {
  const auto* const it = std::find(names.begin(), names.end(), wanted);
  if (it == names.end()) {
    return std::nullopt;
  }
  return static_cast<Id>(it - names.begin());
}
}  // namespace

std::optional<SliderId> sliderByName(std::string_view wanted) {
  const auto* const it = std::find_if(kSliders.begin(), kSliders.end(),
                                      [wanted](const SliderSpec& s) { return s.name == wanted; });
  if (it == kSliders.end()) {
    return std::nullopt;
  }
  return static_cast<SliderId>(it - kSliders.begin());
}

std::optional<TextId> textByName(std::string_view wanted) {
  return find<TextId>(kTextNames, wanted);
}

std::optional<OptionId> optionByName(std::string_view wanted) {
  return find<OptionId>(kOptionNames, wanted);
}

}  // namespace kestrion
