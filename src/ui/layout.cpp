#include "layout.h"

#include <array>

namespace kestrion::ui {
namespace {

using enum Kind;
using enum Look;

constexpr std::string_view kNoIfAmplifier = "When not using an IF amplifier, apply 0 dB";
constexpr std::string_view kNoiseEitherWay =
    "The noise can be described in Noise Figure or Noise Temperature";
constexpr std::string_view kRainAndElevation =
    "Rain attenuation is affected by the elevation of the antenna";

// clang-format off
constexpr auto kSystemNoiseFigure = std::to_array<ControlSpec>({
    {"Label5",     Label, "IF amplifier noise figure (dB)", {7440, 1380, 1215, 495}, Plain},
    {"Label12",    Label, "Antenna noise temperature (K)",  {360, 1440, 1215, 495},  PlainCentred},
    {"Label8",     Label, "Feed Losses (dB)",               {1800, 1500, 1095, 375}, PlainCentred},
    {"Label2",     Label, "LNB Noise Figure (dB)",          {3000, 1500, 1335, 375}, PlainCentred},
    {"Label3",     Label, "Gain LNB (dB)",                  {4560, 1500, 1215, 255}, Plain},
    {"Label4(0)",  Label, "Cable Loss (dB)",                {6000, 1500, 1215, 255}, Plain},
    {"tant",       Text, {}, {600, 2040, 855, 255},  InputBox,
     "Normally between  0 - 50 K. See specification of your dish."},
    {"feedloss",   Text, {}, {1920, 2040, 855, 255}, InputBox, "Normally between 0 - 0.5 dB"},
    {"lnbnf",      Text, {}, {3360, 2040, 855, 255}, InputBox, "Normally between 0.7 to 1.2 dB"},
    {"lnbgain",    Text, {}, {4800, 2040, 735, 255}, InputBox,
     "Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as "
     "possible without raising the system NF."},
    {"cableloss",  Text, {}, {6240, 2040, 855, 255}, InputBox,
     "Cable Loss between the LNB and IF amplifier"},
    {"ifnf",       Text, {}, {7560, 2040, 855, 255}, InputBox, kNoIfAmplifier},
    {"HScroll11",  Slider, {}, {600, 2520, 855, 255}},
    {"HScroll7",   Slider, {}, {1920, 2520, 855, 255}},
    {"HScroll1",   Slider, {}, {3360, 2520, 855, 255}},
    {"HScroll2",   Slider, {}, {4680, 2520, 975, 255}},
    {"HScroll3",   Slider, {}, {6240, 2520, 855, 255}},
    {"HScroll4",   Slider, {}, {7560, 2520, 855, 255}},
    {"Label14",    Label, "IF Amplifier Gain (dB)",         {240, 3180, 1455, 375},  PlainCentred},
    {"Label4(1)",  Label, "Cable Loss (dB)",                {1800, 3180, 1215, 255}, Plain},
    {"Label13",    Label, "Receiver Noise Figure (dB)",     {3240, 3180, 1335, 495}, Plain},
    {"Label6",     Label, "System Noise Figure (dB)",       {5520, 3360, 1815, 735}, PlainCentred,
     {}, FontSize::Large},
    {"totnf",      Text, {}, {7440, 3480, 975, 375}, ResultBoxGrey, "The result", FontSize::Large,
     "System Noise Figure (dB)"},
    {"ifgain",     Text, {}, {600, 3660, 855, 255},  InputBox, kNoIfAmplifier},
    {"cableloss2", Text, {}, {1920, 3660, 855, 255}, InputBox, kNoIfAmplifier},
    {"recnf",      Text, {}, {3360, 3660, 855, 255}, InputBox, "See specifications of your receiver"},
    {"HScroll14",  Slider, {}, {600, 4140, 855, 255}},
    {"HScroll12",  Slider, {}, {1920, 4140, 855, 255}},
    {"HScroll13",  Slider, {}, {3360, 4140, 855, 255}},
});

constexpr auto kNfToNoiseTemperature = std::to_array<ControlSpec>({
    {"Label1",   Label, "Noise Figure (dB)",     {2520, 2220, 1455, 255}, Plain},
    {"Label7",   Label, "Noise Temperature (K)", {4800, 2220, 1695, 255}, Plain},
    {"nf",       Text, {}, {2640, 2580, 855, 255}, InputBox, kNoiseEitherWay},
    {"nt",       Text, {}, {5280, 2580, 735, 255}, InputBox, kNoiseEitherWay},
    {"HScroll5", Slider, {}, {2640, 3120, 855, 255}},
    {"HScroll6", Slider, {}, {5280, 3120, 855, 255}},
});

constexpr auto kAntennaGain = std::to_array<ControlSpec>({
    {"Label9",    Label, "Dish Diameter (m)", {1320, 2400, 1335, 255}, Plain},
    {"Label10",   Label, "Efficiency (%)",    {2880, 2400, 1215, 255}, Plain},
    {"f",         Label, "Frequency (GHz)",   {4200, 2400, 1215, 255}, Plain},
    {"Label11",   Label, "Antenna Gain (dB)", {5640, 2400, 1335, 255}, Plain},
    {"diameter1", Text, {}, {1680, 2760, 615, 255}, InputBox,
     "Apply minor diameter when using an offset dish"},
    {"eff",       Text, {}, {3000, 2760, 615, 255}, InputBox, "Normally 40 to 70 %"},
    {"frekvens",  Text, {}, {4440, 2760, 615, 255}, InputBox,
     "The gain of the antenna depends of frequency"},
    {"Gain",      Text, {}, {5760, 2760, 855, 255}, ResultBox,
     "If you know the gain but not the efficiency, vary the efficiency until you get the correct "
     "gain", FontSize::Normal, "Antenna Gain (dB)"},
    {"HScroll8",  Slider, {}, {1560, 3240, 855, 255}},
    {"HScroll9",  Slider, {}, {2880, 3240, 855, 255}},
    {"HScroll10", Slider, {}, {4320, 3240, 855, 255}},
});

constexpr auto kFigureOfMerit = std::to_array<ControlSpec>({
    {"Label15",   Label, "System Noise Figure (dB)", {3120, 1680, 1215, 615}, PlainCentred},
    {"Label16",   Label, "Antenna Gain (dB)",        {4680, 1680, 735, 375},  Plain},
    {"Label17",   Label, "G/T (dB/K)",               {6240, 1920, 975, 255},  Plain},
    {"snf",       Text, {}, {3360, 2280, 615, 255}, InputBox,
     "Can be calculated in the System Noise Figure section"},
    {"again",     Text, {}, {4680, 2280, 615, 255}, InputBox,
     "The gain can be calculated from antenna size and efficiency in the Antenna Gain "
     "Calculations section"},
    {"GT",        Text, {}, {6240, 2280, 735, 255}, ResultBox,
     "G/T is a measure of the performance of your system", FontSize::Normal, "G/T (dB/K)"},
    {"HScroll15", Slider, {}, {3240, 2760, 975, 255}},
    {"HScroll16", Slider, {}, {4560, 2760, 975, 255}},
});

constexpr auto kAlignment = std::to_array<ControlSpec>({
    {"Label19",     Label, "Latitude",                   {2160, 960, 735, 255},   Plain},
    {"Label20",     Label, "Longitude",                  {4080, 960, 735, 255},   Plain},
    {"Label21",     Label, "Satellite position",         {6000, 960, 1215, 255},  Plain},
    {"Label40",     Label, "(west = neg.  east = pos.)", {5760, 1200, 1932, 252}, Plain},
    {"Latitud",     Text, {}, {2160, 1440, 735, 255}, InputBox, "Latitude of dish  location"},
    {"longitud",    Text, {}, {4080, 1440, 735, 255}, InputBox, "Longitude of dish location"},
    {"satposition", Text, {}, {6120, 1440, 735, 255}, InputBox, "Satellite position"},
    {"HScroll17",   Slider, {}, {2040, 2040, 975, 255}},
    {"HScroll18",   Slider, {}, {3960, 2040, 975, 255}},
    {"HScroll19",   Slider, {}, {6000, 2040, 975, 255}},
    {"Label23",     Label, "Azimuth angle (deg)",        {1560, 2520, 855, 495},  Plain},
    {"Label24",     Label, "Polarization angle (deg)",   {3480, 2520, 975, 495},  Plain},
    {"Label22",     Label, "Elevation angle (deg)",      {5400, 2520, 855, 495},  Plain},
    {"Label36",     Label, "Distance to satellite (km)", {7080, 2520, 1935, 255}, Plain},
    {"az",          Text, {}, {1440, 3000, 855, 255}, ResultBox,
     "How to align the dish by the compass", FontSize::Normal, "Azimuth angle (deg)"},
    {"offset",      Text, {}, {3480, 3000, 855, 255}, ResultBox,
     "Note that Astra satellites differ from standard polarisation", FontSize::Normal,
     "Polarization angle (deg)"},
    {"el",          Text, {}, {5400, 3000, 855, 255}, ResultBox, "Angle of inclination",
     FontSize::Normal, "Elevation angle (deg)"},
    {"rsat2",       Text, {}, {7440, 3000, 735, 255}, ResultBoxGrey, "Needed for C/N calculations",
     FontSize::Normal, "Distance to satellite (km)"},
    {"Label27",     Label, "N", {1920, 3360, 255, 255}, Plain},
    {"Image2(0)",   Picture, ":/artwork/compass_rose.svg", {1185, 3600, 1500, 1500}},
    {"Image2(1)",   Picture, ":/artwork/dish_front.svg",   {3240, 3600, 1500, 1680}},
    {"Image3",      Picture, ":/artwork/dish_side.svg",    {5625, 3810, 2250, 1095}},
    {"Label28",     Label, "W", {960, 4200, 255, 255},  Plain},
    {"Label29",     Label, "E", {2640, 4200, 255, 255}, Plain},
    {"Label25",     Label, "S", {1920, 5160, 255, 255}, Plain},
});

constexpr auto kCarrierToNoise = std::to_array<ControlSpec>({
    {"Label18",     Label, "Eirp (dBW)",              {1080, 1080, 855, 255},  Plain,
     "Equivalent Isotropic Radiated Power"},
    {"Label26",     Label, "Dish Diameter (cm)",      {3000, 1080, 1575, 255}, Plain},
    {"Label30",     Label, "Antenna Efficiency  (%)", {4920, 1080, 1815, 255}, Plain},
    {"Label31",     Label, "Antenna Noise Temp. (K)", {6960, 1080, 1815, 255}, Plain},
    {"eirp",        Text, {}, {1080, 1560, 855, 255}, InputBoxWhite,
     "Get the Eirp from the footprint of the satellite"},
    {"diam",        Text, {}, {3120, 1560, 855, 255}, InputBoxWhite,
     "Use the minor diameter for an offset dish"},
    {"efficiency",  Text, {}, {5160, 1560, 855, 255}, InputBoxWhite,
     "If you only know the gain, you can calculate the efficiency in the Antenna Gain "
     "Calculations"},
    {"ta",          Text, {}, {7200, 1560, 855, 255}, InputBoxWhite,
     "See specifications of your antenna. Normally between 0 to 50 K."},
    {"HScroll20",   Slider, {}, {1080, 2040, 855, 255}},
    {"HScroll21",   Slider, {}, {3120, 2040, 855, 255}},
    {"HScroll22",   Slider, {}, {5160, 2040, 855, 255}},
    {"HScroll23",   Slider, {}, {7200, 2040, 855, 255}},
    {"Command2",    Button, "Footprints on the web", {600, 2520, 1935, 255}},
    {"Label32",     Label, "System Noise Figure",        {1440, 3000, 1575, 255}, Plain},
    {"Label33",     Label, "Bandwidth (MHz)",            {3360, 3000, 1335, 255}, Plain},
    {"Label35",     Label, "Distance to satellite (km)", {5040, 3000, 2175, 255}, Plain},
    {"rainoff",     Option, "Clear sky", {7440, 3000, 975, 615}},
    {"nflnb",       Text, {}, {1800, 3480, 855, 255}, InputBoxWhite,
     " Use System Noise Figure calculations and manually apply correct value."},
    {"bw",          Text, {}, {3480, 3480, 855, 255}, InputBoxWhite, "Bandwidth of the receiver"},
    {"rsat",        Text, {}, {5520, 3480, 975, 255}, ResultBoxGrey,
     "Imported from Antenna Alignment Calculations", FontSize::Normal,
     "Distance to satellite (km)"},
    {"Option1",     Option, "Rain 5 mm/h",  {7440, 3600, 1215, 375}, None, kRainAndElevation},
    {"HScroll24",   Slider, {}, {1800, 3960, 855, 255}},
    {"HScroll25",   Slider, {}, {3480, 3960, 855, 255}},
    {"Option2",     Option, "Rain 10 mm/h", {7440, 4080, 1335, 255}, None,
     "The rain attenuation is usable in the 10 to 13 GHz band only"},
    {"regntext",    HiddenText, {}, {5400, 4320, 855, 285}},
    {"Option3",     Option, "Rain 50 mm/h", {7440, 4560, 1335, 255}, None, kRainAndElevation},
    {"Label34",     Label, "Carrier to Noise (dB)", {1200, 4800, 1455, 255}, Plain},
    {"cnres",       Text, {}, {3360, 4800, 975, 255}, ResultBoxGrey, "The answer", FontSize::Normal,
     "Carrier to Noise (dB)"},
    {"attenuation", HiddenText, {}, {5400, 4800, 855, 285}},
    {"Label38",     Label, "Elevation", {7080, 5040, 735, 255}, Plain},
    {"cnel",        Text, {}, {7920, 5040, 855, 255}, ResultBoxGrey,
     "The elevation is imported from Antenna alignment calculations", FontSize::Normal,
     "Elevation"},
});

// Below the tab control; Label37's caption is the home page's address.
constexpr auto kWindow = std::to_array<ControlSpec>({
    {"Image1",  Picture, ":/artwork/logo.svg", {120, 5880, 3750, 795}},
    {"quit",    Button, "Quit", {7320, 6000, 1695, 615}},
    {"Label39", Label, "Visit:", {4680, 6360, 375, 255}, Plain},
    {"Label37", Link, {}, {5160, 6360, 1575, 255}, Plain},
});
// clang-format on

constexpr std::array<std::span<const ControlSpec>, kPageCount> kPages{
    kSystemNoiseFigure, kNfToNoiseTemperature, kAntennaGain, kFigureOfMerit,
    kAlignment,         kCarrierToNoise,
};

}  // namespace

std::span<const ControlSpec> pageControls(int page) {
  return kPages.at(page);
}

std::span<const ControlSpec> windowControls() {
  return kWindow;
}

const std::array<std::string_view, 32> kFocusOrder{
    "quit",      "SSTab1",    "HScroll11", "HScroll7",  "HScroll4",  "HScroll3",  "HScroll2",
    "HScroll1",  "HScroll14", "HScroll13", "HScroll12", "HScroll5",  "HScroll6",  "HScroll8",
    "HScroll10", "HScroll9",  "HScroll15", "HScroll16", "HScroll17", "HScroll18", "HScroll19",
    "rainoff",   "HScroll20", "HScroll21", "HScroll22", "HScroll23", "HScroll24", "HScroll25",
    "Option1",   "Option2",   "Option3",   "Command2",
};

}  // namespace kestrion::ui
