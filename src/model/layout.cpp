#include "model/layout.h"

namespace kestrion::layout {
namespace {

using enum Look;
using enum FontSize;

// Rows by kind: controls the model knows take its typed ids, the rest their
// object names.
constexpr ControlSpec label(std::string_view name, std::string_view caption, TwipsRect rect,
                            Look look, std::string_view tooltip = {}, FontSize font = Normal) {
  return {Kind::Label, 0, name, caption, rect, look, tooltip, font};
}
// A row given what it is to an input or to its page.
constexpr ControlSpec as(Role role, std::size_t id, ControlSpec row) {
  row.role = role;
  row.id = static_cast<std::uint8_t>(id);
  return row;
}
// The caption of an input, named so that a screen reader ties it to the slider.
constexpr ControlSpec label(std::string_view name, Input id, TwipsRect rect, Look look,
                            std::string_view tooltip = {}) {
  return as(Role::caption, index(id), label(name, caption(id), rect, look, tooltip));
}
// A line under an input's caption that says more of it.
constexpr ControlSpec note(std::string_view name, Input id, std::string_view caption,
                           TwipsRect rect, Look look) {
  return as(Role::note, index(id), label(name, caption, rect, look));
}
constexpr ControlSpec result(Value id, TwipsRect rect, Look look, std::string_view tooltip,
                             FontSize font = Normal) {
  return as(Role::result, index(id), {Kind::Text, 0, {}, {}, rect, look, tooltip, font});
}
// The box showing an input's value.
constexpr ControlSpec text(Input id, TwipsRect rect, Look look, std::string_view tooltip) {
  return as(Role::value, index(valueLabel(id)), result(valueLabel(id), rect, look, tooltip));
}
constexpr ControlSpec hidden(Value id, TwipsRect rect) {
  return {Kind::HiddenText, static_cast<std::uint8_t>(id), {}, {}, rect};
}
constexpr ControlSpec slider(Input id, TwipsRect rect) {
  return {Kind::Slider, static_cast<std::uint8_t>(id), {}, {}, rect};
}
constexpr ControlSpec option(Rain id, TwipsRect rect, std::string_view tooltip = {}) {
  return {Kind::Option, static_cast<std::uint8_t>(id), {}, caption(id), rect, None, tooltip};
}
constexpr ControlSpec button(Command id, std::string_view name, std::string_view caption,
                             TwipsRect rect) {
  return {Kind::Button, static_cast<std::uint8_t>(id), name, caption, rect};
}
constexpr ControlSpec link(Command id, std::string_view name, TwipsRect rect, Look look) {
  return {Kind::Link, static_cast<std::uint8_t>(id), name, {}, rect, look};
}
constexpr ControlSpec picture(std::string_view name, std::string_view resource, TwipsRect rect) {
  return {Kind::Picture, 0, name, resource, rect};
}
// `name` is what a screen reader calls it.
constexpr ControlSpec aid(Aid id, std::string_view object, std::string_view name, TwipsRect rect,
                          Look look, std::string_view tooltip) {
  return {Kind::Aid, static_cast<std::uint8_t>(id), object, name, rect, look, tooltip};
}

constexpr std::string_view kNoIfAmplifier =
    QT_TRANSLATE_NOOP("Tooltip", "When not using an IF amplifier, apply 0 dB");
constexpr std::string_view kNoiseEitherWay =
    QT_TRANSLATE_NOOP("Tooltip", "The noise can be described in Noise Figure or Noise Temperature");
constexpr std::string_view kRainAndElevation =
    QT_TRANSLATE_NOOP("Tooltip", "Rain attenuation is affected by the elevation of the antenna");

// clang-format off
constexpr auto kSystemNoiseFigure = std::to_array<ControlSpec>({
    label("Label5",    Input::ifNoiseFigure,       {7440, 1380, 1215, 495}, Plain),
    label("Label12",   Input::antennaTemperature,  {360, 1440, 1215, 495},  PlainCentred),
    label("Label8",    Input::feedLoss,            {1800, 1500, 1095, 375}, PlainCentred),
    label("Label2",    Input::lnbNoiseFigure,      {3000, 1500, 1335, 375}, PlainCentred),
    label("Label3",    Input::lnbGain,             {4560, 1500, 1215, 255}, Plain),
    label("Label4(0)", Input::cableLoss,           {6000, 1500, 1215, 255}, Plain),
    text(Input::antennaTemperature, {600, 2040, 855, 255},  InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "Normally between  0 - 50 K. See specification of your dish.")),
    text(Input::feedLoss,           {1920, 2040, 855, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Normally between 0 - 0.5 dB")),
    text(Input::lnbNoiseFigure,     {3360, 2040, 855, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Normally between 0.7 to 1.2 dB")),
    text(Input::lnbGain,            {4800, 2040, 735, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "Normally between 40 and 60 dB. To avoid intermodulation products, use as low gain as "
         "possible without raising the system NF.")),
    text(Input::cableLoss,          {6240, 2040, 855, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "Cable Loss between the LNB and IF amplifier")),
    text(Input::ifNoiseFigure,      {7560, 2040, 855, 255}, InputBox, kNoIfAmplifier),
    slider(Input::antennaTemperature, {600, 2520, 855, 255}),
    slider(Input::feedLoss,           {1920, 2520, 855, 255}),
    slider(Input::lnbNoiseFigure,     {3360, 2520, 855, 255}),
    slider(Input::lnbGain,            {4680, 2520, 975, 255}),
    slider(Input::cableLoss,          {6240, 2520, 855, 255}),
    slider(Input::ifNoiseFigure,      {7560, 2520, 855, 255}),
    label("Label14",   Input::ifGain,              {240, 3180, 1455, 375},  PlainCentred),
    label("Label4(1)", Input::ifCableLoss,         {1800, 3180, 1215, 255}, Plain),
    label("Label13",   Input::receiverNoiseFigure, {3240, 3180, 1335, 495}, Plain),
    label("Label6",    caption(Value::systemNoiseFigure),   {5520, 3360, 1815, 735}, PlainCentred,
          {}, Large),
    result(Value::systemNoiseFigure,  {7440, 3480, 975, 375}, ResultBoxGrey, QT_TRANSLATE_NOOP("Tooltip", "The result"), Large),
    text(Input::ifGain,             {600, 3660, 855, 255},  InputBox, kNoIfAmplifier),
    text(Input::ifCableLoss,        {1920, 3660, 855, 255}, InputBox, kNoIfAmplifier),
    text(Input::receiverNoiseFigure, {3360, 3660, 855, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "See specifications of your receiver")),
    slider(Input::ifGain,              {600, 4140, 855, 255}),
    slider(Input::ifCableLoss,         {1920, 4140, 855, 255}),
    slider(Input::receiverNoiseFigure, {3360, 4140, 855, 255}),
});

constexpr auto kNfToNoiseTemperature = std::to_array<ControlSpec>({
    label("Label1", Input::converterNoiseFigure, {2520, 2220, 1455, 255}, Plain),
    label("Label7", Input::converterTemperature, {4800, 2220, 1695, 255}, Plain),
    text(Input::converterNoiseFigure, {2640, 2580, 855, 255}, InputBox, kNoiseEitherWay),
    text(Input::converterTemperature, {5280, 2580, 735, 255}, InputBox, kNoiseEitherWay),
    slider(Input::converterNoiseFigure, {2640, 3120, 855, 255}),
    slider(Input::converterTemperature, {5280, 3120, 855, 255}),
});

constexpr auto kAntennaGain = std::to_array<ControlSpec>({
    label("Label9",  Input::gainDiameter,   {1320, 2400, 1335, 255}, Plain),
    label("Label10", Input::gainEfficiency, {2880, 2400, 1215, 255}, Plain),
    label("f",       Input::frequency,      {4200, 2400, 1215, 255}, Plain),
    label("Label11", caption(Value::antennaGain),    {5640, 2400, 1335, 255}, Plain),
    text(Input::gainDiameter,   {1680, 2760, 615, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "Apply minor diameter when using an offset dish")),
    text(Input::gainEfficiency, {3000, 2760, 615, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Normally 40 to 70 %")),
    text(Input::frequency,      {4440, 2760, 615, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "The gain of the antenna depends of frequency")),
    result(Value::antennaGain,    {5760, 2760, 855, 255}, ResultBox,
         QT_TRANSLATE_NOOP("Tooltip", "If you know the gain but not the efficiency, vary the efficiency until you get the "
         "correct gain")),
    slider(Input::gainDiameter,   {1560, 3240, 855, 255}),
    slider(Input::gainEfficiency, {2880, 3240, 855, 255}),
    slider(Input::frequency,      {4320, 3240, 855, 255}),
});

constexpr auto kFigureOfMerit = std::to_array<ControlSpec>({
    label("Label15", Input::gtNoiseFigure, {3120, 1680, 1215, 615}, PlainCentred),
    label("Label16", Input::gtAntennaGain, {4680, 1680, 735, 375},  Plain),
    label("Label17", caption(Value::figureOfMerit), {6240, 1920, 975, 255},  Plain),
    text(Input::gtNoiseFigure, {3360, 2280, 615, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "Can be calculated in the System Noise Figure section")),
    text(Input::gtAntennaGain, {4680, 2280, 615, 255}, InputBox,
         QT_TRANSLATE_NOOP("Tooltip", "The gain can be calculated from antenna size and efficiency in the Antenna Gain "
         "Calculations section")),
    result(Value::figureOfMerit, {6240, 2280, 735, 255}, ResultBox,
         QT_TRANSLATE_NOOP("Tooltip", "G/T is a measure of the performance of your system")),
    slider(Input::gtNoiseFigure, {3240, 2760, 975, 255}),
    slider(Input::gtAntennaGain, {4560, 2760, 975, 255}),
});

constexpr auto kAlignment = std::to_array<ControlSpec>({
    label("Label19", Input::latitude,  {2160, 960, 735, 255},   Plain),
    label("Label20", Input::longitude, {4080, 960, 735, 255},   Plain),
    label("Label21", Input::satellite, {6000, 960, 1215, 255},  Plain),
    note("Label40", Input::satellite, QT_TRANSLATE_NOOP("Caption", "(west = neg.  east = pos.)"), {5760, 1200, 1932, 252}, Plain),
    text(Input::latitude,  {2160, 1440, 735, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Latitude of dish  location")),
    text(Input::longitude, {4080, 1440, 735, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Longitude of dish location")),
    text(Input::satellite, {6120, 1440, 735, 255}, InputBox, QT_TRANSLATE_NOOP("Tooltip", "Satellite position")),
    // The satellite typed by name, beside its position, where the page is empty.
    aid(Aid::satelliteName, "satelliteName", QT_TRANSLATE_NOOP("Caption", "Satellite"), {6960, 1470, 2175, 450}, Plain,
        QT_TRANSLATE_NOOP("Tooltip", "The satellite chosen by name")),
    slider(Input::latitude,  {2040, 2040, 975, 255}),
    slider(Input::longitude, {3960, 2040, 975, 255}),
    slider(Input::satellite, {6000, 2040, 975, 255}),
    label("Label23", caption(Value::azimuth),       {1560, 2520, 855, 495},  Plain),
    label("Label24", caption(Value::skew),          {3480, 2520, 975, 495},  Plain),
    label("Label22", caption(Value::elevation),     {5400, 2520, 855, 495},  Plain),
    label("Label36", caption(Value::shownDistance), {7080, 2520, 1935, 255}, Plain),
    result(Value::azimuth,       {1440, 3000, 855, 255}, ResultBox,
         QT_TRANSLATE_NOOP("Tooltip", "How to align the dish by the compass")),
    result(Value::skew,          {3480, 3000, 855, 255}, ResultBox,
         QT_TRANSLATE_NOOP("Tooltip", "Note that Astra satellites differ from standard polarisation")),
    result(Value::elevation,     {5400, 3000, 855, 255}, ResultBox, QT_TRANSLATE_NOOP("Tooltip", "Angle of inclination")),
    result(Value::shownDistance, {7440, 3000, 735, 255}, ResultBoxGrey, QT_TRANSLATE_NOOP("Tooltip", "Needed for C/N calculations")),
    // Which way the LNB turns, under the skew, where the page is empty.
    aid(Aid::skewDirection, "skewDirection", QT_TRANSLATE_NOOP("Caption", "LNB skew direction"), {2760, 3300, 2820, 255},
        Plain, QT_TRANSLATE_NOOP("Tooltip", "Which way to turn the LNB, seen from behind the dish looking at the satellite")),
    label("Label27", compassLetter(CompassPoint::north), {1920, 3360, 255, 255}, Plain),
    picture("Image2(0)", ":/artwork/compass_rose.svg", {1185, 3600, 1500, 1500}),
    picture("Image2(1)", ":/artwork/dish_front.svg",   {3240, 3600, 1500, 1680}),
    picture("Image3",    ":/artwork/dish_side.svg",    {5625, 3810, 2250, 1095}),
    label("Label28", compassLetter(CompassPoint::west), {960, 4200, 255, 255},  Plain),
    label("Label29", compassLetter(CompassPoint::east), {2640, 4200, 255, 255}, Plain),
    label("Label25", compassLetter(CompassPoint::south), {1920, 5160, 255, 255}, Plain),
    // The pointing aids, in space the page leaves free.
    label("magneticLabel", QT_TRANSLATE_NOOP("Caption", "Magnetic bearing, declination"), {120, 2520, 1335, 495}, Plain),
    aid(Aid::magneticBearing, "magneticBearing", QT_TRANSLATE_NOOP("Caption", "Magnetic bearing (deg)"),
        {360, 3000, 855, 255}, ResultBox,
        QT_TRANSLATE_NOOP("Tooltip", "Set this on a magnetic compass: the azimuth less the magnetic declination")),
    aid(Aid::declination, "declination", QT_TRANSLATE_NOOP("Caption", "Magnetic declination"), {360, 3300, 855, 255},
        ResultBox, QT_TRANSLATE_NOOP("Tooltip", "Magnetic declination at the site on the date (World Magnetic Model 2025)")),
    aid(Aid::warnings, "pointingWarnings", QT_TRANSLATE_NOOP("Caption", "Compass warnings"), {5640, 3300, 3555, 480}, Warning, {}),
    label("offsetLabel", QT_TRANSLATE_NOOP("Caption", "Dish offset angle (deg)"), {5640, 4965, 1695, 255}, Plain),
    {Kind::OffsetAngle, 0, "offsetAngle", QT_TRANSLATE_NOOP("Caption", "Dish offset angle (deg)"), {7440, 4935, 855, 285},
     None, QT_TRANSLATE_NOOP("Tooltip", "0 for a prime-focus dish; offset dishes are typically 20 to 28 degrees")},
    label("tiltLabel", QT_TRANSLATE_NOOP("Caption", "Face tilt"), {5640, 5265, 735, 255}, Plain),
    aid(Aid::faceTilt, "faceTilt", QT_TRANSLATE_NOOP("Caption", "Face tilt"), {6480, 5265, 2295, 255}, ResultBox,
        QT_TRANSLATE_NOOP("Tooltip", "Tilt of the dish face from vertical: the elevation less the offset angle")),
});

constexpr auto kCarrierToNoise = std::to_array<ControlSpec>({
    label("Label18", Input::eirp,            {1080, 1080, 855, 255},  Plain,
          QT_TRANSLATE_NOOP("Tooltip", "Equivalent Isotropic Radiated Power")),
    label("Label26", Input::dishDiameter,    {3000, 1080, 1575, 255}, Plain),
    label("Label30", Input::dishEfficiency,  {4920, 1080, 1815, 255}, Plain),
    label("Label31", Input::dishTemperature, {6960, 1080, 1815, 255}, Plain),
    text(Input::eirp,            {1080, 1560, 855, 255}, InputBoxWhite,
         QT_TRANSLATE_NOOP("Tooltip", "Get the Eirp from the footprint of the satellite")),
    text(Input::dishDiameter,    {3120, 1560, 855, 255}, InputBoxWhite,
         QT_TRANSLATE_NOOP("Tooltip", "Use the minor diameter for an offset dish")),
    text(Input::dishEfficiency,  {5160, 1560, 855, 255}, InputBoxWhite,
         QT_TRANSLATE_NOOP("Tooltip", "If you only know the gain, you can calculate the efficiency in the Antenna Gain "
         "Calculations")),
    text(Input::dishTemperature, {7200, 1560, 855, 255}, InputBoxWhite,
         QT_TRANSLATE_NOOP("Tooltip", "See specifications of your antenna. Normally between 0 to 50 K.")),
    slider(Input::eirp,            {1080, 2040, 855, 255}),
    slider(Input::dishDiameter,    {3120, 2040, 855, 255}),
    slider(Input::dishEfficiency,  {5160, 2040, 855, 255}),
    slider(Input::dishTemperature, {7200, 2040, 855, 255}),
    button(Command::footprints, "Command2", QT_TRANSLATE_NOOP("Caption", "Footprints on the web"), {600, 2520, 1935, 255}),
    label("Label32", Input::linkNoiseFigure, {1440, 3000, 1575, 255}, Plain),
    label("Label33", Input::bandwidth,       {3360, 3000, 1335, 255}, Plain),
    label("Label35", caption(Value::distance),        {5040, 3000, 2175, 255}, Plain),
    option(Rain::clearSky, {7440, 3000, 975, 615}),
    text(Input::linkNoiseFigure, {1800, 3480, 855, 255}, InputBoxWhite,
         QT_TRANSLATE_NOOP("Tooltip", " Use System Noise Figure calculations and manually apply correct value.")),
    text(Input::bandwidth,       {3480, 3480, 855, 255}, InputBoxWhite, QT_TRANSLATE_NOOP("Tooltip", "Bandwidth of the receiver")),
    result(Value::distance,        {5520, 3480, 975, 255}, ResultBoxGrey,
         QT_TRANSLATE_NOOP("Tooltip", "Imported from Antenna Alignment Calculations")),
    option(Rain::rate5, {7440, 3600, 1215, 375}, kRainAndElevation),
    slider(Input::linkNoiseFigure, {1800, 3960, 855, 255}),
    slider(Input::bandwidth,       {3480, 3960, 855, 255}),
    option(Rain::rate10, {7440, 4080, 1335, 255},
           QT_TRANSLATE_NOOP("Tooltip", "The rain attenuation is usable in the 10 to 13 GHz band only")),
    hidden(Value::rainRate, {5400, 4320, 855, 285}),
    option(Rain::rate50, {7440, 4560, 1335, 255}, kRainAndElevation),
    label("Label34", caption(Value::carrierToNoise), {1200, 4800, 1455, 255}, Plain),
    result(Value::carrierToNoise,  {3360, 4800, 975, 255}, ResultBoxGrey, QT_TRANSLATE_NOOP("Tooltip", "The answer")),
    hidden(Value::rainAttenuation, {5400, 4800, 855, 285}),
    label("Label38", caption(Value::rainElevation), {7080, 5040, 735, 255}, Plain),
    result(Value::rainElevation,   {7920, 5040, 855, 255}, ResultBoxGrey,
         QT_TRANSLATE_NOOP("Tooltip", "The elevation is imported from Antenna alignment calculations")),
});

// Below the tab control; Label37's caption is the home page's address.
constexpr auto kWindow = std::to_array<ControlSpec>({
    picture("Image1", ":/artwork/logo.svg", {120, 5880, 3750, 795}),
    button(Command::quit, "quit", QT_TRANSLATE_NOOP("Caption", "Quit"), {7320, 6000, 1695, 615}),
    label("Label39", QT_TRANSLATE_NOOP("Caption", "Visit:"), {4680, 6360, 375, 255}, Plain),
    link(Command::homePage, "Label37", {5160, 6360, 1575, 255}, Plain),
});
// clang-format on

struct PageControls {
  Page id;
  std::span<const ControlSpec> controls;
};
constexpr auto kPageControls = std::to_array<PageControls>({
    {Page::systemNoiseFigure, kSystemNoiseFigure},
    {Page::noiseTemperature, kNfToNoiseTemperature},
    {Page::antennaGain, kAntennaGain},
    {Page::figureOfMerit, kFigureOfMerit},
    {Page::alignment, kAlignment},
    {Page::carrierToNoise, kCarrierToNoise},
});
static_assert(kPageControls.size() == kPageCount, "kPageControls: one row per Page");
static_assert(inOrder(kPageControls), "kPageControls: row i is Page i");

constexpr FocusStop stop(Input id) {
  return {FocusStop::Kind::Slider, static_cast<std::uint8_t>(id)};
}
constexpr FocusStop stop(Rain id) {
  return {FocusStop::Kind::Option, static_cast<std::uint8_t>(id)};
}
constexpr FocusStop stop(Command id) {
  return {FocusStop::Kind::Command, static_cast<std::uint8_t>(id)};
}
constexpr FocusStop kTabs{FocusStop::Kind::Tabs};

constexpr auto kFocusOrder = std::to_array<FocusStop>({
    stop(Command::quit),
    kTabs,
    stop(Input::antennaTemperature),
    stop(Input::feedLoss),
    stop(Input::ifNoiseFigure),
    stop(Input::cableLoss),
    stop(Input::lnbGain),
    stop(Input::lnbNoiseFigure),
    stop(Input::ifGain),
    stop(Input::receiverNoiseFigure),
    stop(Input::ifCableLoss),
    stop(Input::converterNoiseFigure),
    stop(Input::converterTemperature),
    stop(Input::gainDiameter),
    stop(Input::frequency),
    stop(Input::gainEfficiency),
    stop(Input::gtNoiseFigure),
    stop(Input::gtAntennaGain),
    stop(Input::latitude),
    stop(Input::longitude),
    stop(Input::satellite),
    {FocusStop::Kind::OffsetAngle},
    stop(Rain::clearSky),
    stop(Input::eirp),
    stop(Input::dishDiameter),
    stop(Input::dishEfficiency),
    stop(Input::dishTemperature),
    stop(Input::linkNoiseFigure),
    stop(Input::bandwidth),
    stop(Rain::rate5),
    stop(Rain::rate10),
    stop(Rain::rate50),
    stop(Command::footprints),
});

}  // namespace

std::span<const ControlSpec> pageControls(int page) {
  return kPageControls.at(static_cast<std::size_t>(page)).controls;
}

std::span<const ControlSpec> windowControls() {
  return kWindow;
}

std::span<const FocusStop> focusOrder() {
  return kFocusOrder;
}

}  // namespace kestrion::layout
