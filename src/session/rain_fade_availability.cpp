#include "session/rain_fade_availability.h"

#include <algorithm>
#include <tuple>

#include "calc/checked.h"
#include "calc/rain_fade_map.h"
#include "calc/steps.h"
#include "model/numtext.h"
#include "model/translatable.h"

namespace kestrion {
namespace {

using F = RainFadeField;

// clang-format off
constexpr std::array<RainSectionInput, 7> kSectionInputs{{
    {F::frequency, QT_TRANSLATE_NOOP("RainFade", "Frequency"), "GHz", 2, 0.1,
     QT_TRANSLATE_NOOP("RainFade", "The downlink frequency of the carrier")},
    {F::tilt, QT_TRANSLATE_NOOP("RainFade", "Tilt from the horizontal"), "°", 1, 1,
     QT_TRANSLATE_NOOP("RainFade", "The angle of a linear polarization from the horizontal, as seen at the dish")},
    {F::rainRate, QT_TRANSLATE_NOOP("RainFade", "Rain rate R0.01"), "mm/h", 1, 1,
     QT_TRANSLATE_NOOP("RainFade", "The rain rate exceeded for 0.01 % of an average year at the site")},
    {F::rainHeight, QT_TRANSLATE_NOOP("RainFade", "Rain height"), "km", 2, 0.1,
     QT_TRANSLATE_NOOP("RainFade", "The top of the rain above sea level: 0.36 km above the 0 °C isotherm")},
    {F::stationHeight, QT_TRANSLATE_NOOP("RainFade", "Station height"), "km", 2, 0.01,
     QT_TRANSLATE_NOOP("RainFade", "The height of the dish above sea level")},
    {F::requiredCarrierToNoise, QT_TRANSLATE_NOOP("RainFade", "Required C/N"), "dB", 2, 0.1,
     QT_TRANSLATE_NOOP("RainFade", "The C/N the receiver needs for a clean picture")},
    {F::targetAvailability, QT_TRANSLATE_NOOP("RainFade", "Target availability"), "%", 3, 0.01,
     QT_TRANSLATE_NOOP("RainFade", "The part of an average year the picture should stay")},
}};

constexpr std::array<RainSectionChoice, 5> kChoices{{
    {F::tilt, "polarization", QT_TRANSLATE_NOOP("RainFade", "Polarization"),
     QT_TRANSLATE_NOOP("RainFade", "Horizontal fades most; circular is counted as a tilt of 45°"), {}},
    {F::rainZone, "rain-zone", QT_TRANSLATE_NOOP("RainFade", "Rain zone (older ITU-R P.837-1 table)"),
     QT_TRANSLATE_NOOP("RainFade", "The climatic zone letter of the older table, for its R0.01"),
     QT_TRANSLATE_NOOP("RainFade", "I type the rate")},
    {F::rainRateMap, "rain-rate-map", QT_TRANSLATE_NOOP("RainFade", "ITU-R P.837 map of R0.01"),
     QT_TRANSLATE_NOOP("RainFade", "The ITU's map file R001.TXT: R0.01 is read at the site"), {}},
    {F::rainHeightMap, "rain-height-map", QT_TRANSLATE_NOOP("RainFade", "ITU-R P.839 map of the 0 °C isotherm"),
     QT_TRANSLATE_NOOP("RainFade", "The ITU's map file h0.txt: the rain height is read at the site"), {}},
    {F::requiredCarrierToNoise, "modcod", QT_TRANSLATE_NOOP("RainFade", "DVB-S2 modulation and code rate"),
     QT_TRANSLATE_NOOP("RainFade", "Its ideal Es/N0 for quasi-error-free reception (ETSI EN 302 307-1)"),
     QT_TRANSLATE_NOOP("RainFade", "I type the C/N")},
}};
// clang-format on

// The README's example: a Ku-band carrier, a temperate site and an HD
// transponder's modulation.
constexpr std::array<std::string_view, 7> kStart{
    "frequency:=12",     "tilt:=horizontal",      "rain-zone:=K", "rain-height:=3",
    "station-height:=0", "required-cn:=8PSK 2/3", "target:=99.9",
};

constexpr std::array<RainPolarization, 4> kPolarizations{{
    {"horizontal", QT_TRANSLATE_NOOP("RainFade", "Horizontal")},
    {"vertical", QT_TRANSLATE_NOOP("RainFade", "Vertical")},
    {"circular", QT_TRANSLATE_NOOP("RainFade", "Circular")},
    {"", QT_TRANSLATE_NOOP("RainFade", "Tilted")},
}};

void addFades(RainAvailability& out, const RainFadeInputs& in, const Window& w) {
  const calc::RainFade fade =
      calc::rainFade({out.site.latitude, out.site.elevation, *in.frequency, in.tilt,
                      in.stationHeight, *out.rainHeight, *out.rainRate});
  const calc::LinkBudget budget = calc::budgetOf(w);
  const calc::ClearSky sky = calc::clearSky(budget);
  for (std::size_t i = 0; i < kSectionPercents.size(); ++i) {
    const double a = calc::attenuationExceeded(fade, kSectionPercents.at(i));
    out.fades.at(i) = {kSectionPercents.at(i), a,
                       calc::carrierToNoiseDrop(a, sky.systemTemperature)};
  }
  if (!in.requiredCarrierToNoise) {
    return;
  }
  out.margin = sky.carrierToNoise - *in.requiredCarrierToNoise;
  out.availability = calc::availabilityFor(fade, *out.margin, sky.systemTemperature);
  if (in.targetAvailability) {
    out.dishSought = true;
    out.dish =
        calc::dishForAvailability(budget, fade, *in.requiredCarrierToNoise, *in.targetAvailability);
  }
}

}  // namespace

RainSite rainSiteOf(const Window& w) {
  return {leadingNumber(w.text(Value::elevation)), leadingNumber(w.text(Input::latitude)),
          leadingNumber(w.text(Input::longitude))};
}

std::optional<double> rainRateAt(const RainRateSource& source, const RainSite& site) {
  return source.map ? calc::mapValue(*source.map, site.latitude, site.longitude) : source.typed;
}

std::optional<double> rainHeightAt(const RainHeightSource& source, const RainSite& site) {
  if (source.map) {
    return calc::rainHeightOfIsotherm(calc::mapValue(*source.map, site.latitude, site.longitude));
  }
  return source.typed;
}

RainAvailability rainAvailability(const RainFadeInputs& inputs, const Window& w) {
  RainAvailability out;
  out.site = rainSiteOf(w);
  out.rainRate = rainRateAt(inputs.rainRate, out.site);
  out.rainHeight = rainHeightAt(inputs.rainHeight, out.site);
  if (!inputs.frequency || !out.rainRate || !out.rainHeight) {
    return out;
  }
  if (!(0 < out.site.elevation && out.site.elevation <= 90)) {
    out.status = RainAvailability::Status::belowHorizon;
    return out;
  }
  try {
    addFades(out, inputs, w);
    out.status = RainAvailability::Status::ready;
  } catch (const FloatFault&) {
    out.status = RainAvailability::Status::fault;
  }
  return out;
}

std::vector<std::string> rainFadeWarnings(const RainFadeInputs& inputs, const RainSite& site,
                                          const Translate& inLanguage) {
  const std::optional<double> rainHeight = rainHeightAt(inputs.rainHeight, site);
  if (!rainHeight || inputs.stationHeight < *rainHeight) {
    return {};
  }
  const auto height = [](F field, double value) {
    return shortText(value, rainSectionInput(field).decimals);
  };
  return {withArguments(
      inLanguage("RainFade", QT_TRANSLATE_NOOP("RainFade",
                                               "The station height (%1 km) is at or above the rain "
                                               "height (%2 km): the path meets no rain, so every "
                                               "fade shows 0 dB. Check both heights (in km above "
                                               "sea level).")),
      {height(F::stationHeight, inputs.stationHeight), height(F::rainHeight, *rainHeight)})};
}

std::span<const RainSectionInput> rainSectionInputs() {
  return kSectionInputs;
}

const RainSectionInput& rainSectionInput(RainFadeField field) {
  return *std::find_if(kSectionInputs.begin(), kSectionInputs.end(),
                       [field](const RainSectionInput& i) { return i.field == field; });
}

std::span<const RainSectionChoice> rainSectionChoices() {
  return kChoices;
}

const RainSectionChoice& rainSectionChoice(RainFadeField field) {
  return *std::find_if(kChoices.begin(), kChoices.end(),
                       [field](const RainSectionChoice& c) { return c.field == field; });
}

std::string_view rainSectionGroup(RainFadeField field) {
  switch (field) {
    case F::rainZone:
    case F::rainRateMap:
      return rainFadeField(F::rainRate).name;
    case F::rainHeightMap:
      return rainFadeField(F::rainHeight).name;
    default:
      return rainFadeField(field).name;
  }
}

std::span<const std::string_view> rainSectionStart() {
  return kStart;
}

bool isRainSectionStart(const RainFadeInputs& inputs) {
  static const RainFadeInputs start = [] {
    RainFadeInputs in;
    for (const std::string_view event : kStart) {
      const auto e = rainFadeEvent(event);
      setRainFadeInput(in, e->field, e->text);
    }
    return in;
  }();
  const auto rate = [](const RainRateSource& r) { return std::tie(r.typed, r.zone, r.mapPath); };
  const auto height = [](const RainHeightSource& h) { return std::tie(h.typed, h.mapPath); };
  return inputs.frequency == start.frequency && inputs.tilt == start.tilt &&
         inputs.polarization == start.polarization &&
         rate(inputs.rainRate) == rate(start.rainRate) &&
         height(inputs.rainHeight) == height(start.rainHeight) &&
         inputs.stationHeight == start.stationHeight &&
         inputs.requiredCarrierToNoise == start.requiredCarrierToNoise &&
         inputs.modcod == start.modcod && inputs.targetAvailability == start.targetAvailability;
}

bool hasRainSectionGroup(const RainFadeInputs& inputs, std::string_view group) {
  const auto field = rainFadeFieldNamed(group);
  switch (field.value_or(F::tilt)) {
    case F::frequency:
      return inputs.frequency.has_value();
    case F::rainRate:
      return inputs.rainRate.typed || inputs.rainRate.map;
    case F::rainHeight:
      return inputs.rainHeight.typed || inputs.rainHeight.map;
    case F::requiredCarrierToNoise:
      return inputs.requiredCarrierToNoise.has_value();
    case F::targetAvailability:
      return inputs.targetAvailability.has_value();
    default:
      return true;
  }
}

std::span<const RainPolarization> rainPolarizations() {
  return kPolarizations;
}

}  // namespace kestrion
