#include "session/rain_fade_json.h"

#include <nlohmann/json.hpp>
#include <optional>

#include "calc/checked.h"
#include "calc/rain_fade.h"
#include "session/rain_fade_availability.h"
#include "session/report.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;

Json figures(const calc::RainFade& fade, const std::vector<double>& percents,
             std::optional<double> clearSkyTemperature) {
  Json j;
  j["k"] = fade.coefficients.k;
  j["alpha"] = fade.coefficients.alpha;
  j["specificAttenuation"] = fade.specificAttenuation;
  j["effectivePathLength"] = fade.effectivePathLength;
  Json attenuation = Json::array();
  Json noise = Json::array();
  Json drop = Json::array();
  for (const double p : percents) {
    const double a = calc::attenuationExceeded(fade, p);
    attenuation.push_back({{"percent", p}, {"attenuation", a}});
    noise.push_back({{"percent", p}, {"temperature", calc::rainNoiseTemperature(a)}});
    if (clearSkyTemperature) {
      drop.push_back({{"percent", p}, {"drop", calc::carrierToNoiseDrop(a, *clearSkyTemperature)}});
    }
  }
  j["attenuation"] = std::move(attenuation);
  j["rainNoiseTemperature"] = std::move(noise);
  if (clearSkyTemperature) {
    j["carrierToNoiseDrop"] = std::move(drop);
  }
  return j;
}

Json optionalNumber(std::optional<double> value) {
  return value ? Json(*value) : Json(nullptr);
}

// The inputs as set, with where the rain rate and height came from.
Json inputsJson(const RainFadeInputs& in, const RainSite& site) {
  Json j;
  j["frequency"] = optionalNumber(in.frequency);
  j["tilt"] = in.tilt;
  if (!in.polarization.empty()) {
    j["polarization"] = in.polarization;
  }
  j["elevation"] = site.elevation;
  j["latitude"] = site.latitude;
  j["rainRate"] = optionalNumber(rainRateAt(in.rainRate, site));
  if (in.rainRate.zone) {
    j["rainZone"] = std::string(1, *in.rainRate.zone);
  }
  if (in.rainRate.map) {
    j["rainRateMap"] = in.rainRate.mapPath;
  }
  j["rainHeight"] = optionalNumber(rainHeightAt(in.rainHeight, site));
  if (in.rainHeight.map) {
    j["rainHeightMap"] = in.rainHeight.mapPath;
  }
  j["stationHeight"] = in.stationHeight;
  j["percent"] = in.percents;
  if (in.requiredCarrierToNoise) {
    j["requiredCarrierToNoise"] = *in.requiredCarrierToNoise;
    if (!in.modcod.empty()) {
      j["modcod"] = in.modcod;
    }
  }
  if (in.targetAvailability) {
    j["targetAvailability"] = *in.targetAvailability;
  }
  return j;
}

Json availabilityJson(const calc::Availability& a) {
  static constexpr std::array<const char*, 3> kBounds{"within", "atLeast", "below"};
  return {{"percent", a.percent}, {"bound", kBounds.at(static_cast<std::size_t>(a.bound))}};
}

// What the C/N page's clear-sky margin buys, and the dish for the target.
void addLinkFigures(Json& j, const RainFadeInputs& in, const calc::RainFade& fade,
                    const calc::LinkBudget& budget, const calc::ClearSky& sky) {
  if (!in.requiredCarrierToNoise) {
    return;
  }
  const double margin = sky.carrierToNoise - *in.requiredCarrierToNoise;
  j["clearSkyCarrierToNoise"] = sky.carrierToNoise;
  j["margin"] = margin;
  j["availability"] = availabilityJson(calc::availabilityFor(fade, margin, sky.systemTemperature));
  if (in.targetAvailability) {
    const auto dish =
        calc::dishForAvailability(budget, fade, *in.requiredCarrierToNoise, *in.targetAvailability);
    j["dishDiameter"] = dish ? Json(*dish) : Json(nullptr);
  }
}

// The figures, or what they still need, or why there are none.
void addFigures(Json& j, const RainFadeInputs& in, const Window& w, const RainSite& site) {
  Json missing = Json::array();
  for (const char* name : {"frequency", "rainRate", "rainHeight"}) {
    if (j[name].is_null()) {
      missing.push_back(name);
    }
  }
  if (!missing.empty()) {
    j["missing"] = std::move(missing);
    return;
  }
  if (!(0 < site.elevation && site.elevation <= 90)) {
    j["note"] = "no rain fade: the satellite is not above the horizon";
    return;
  }
  try {
    const calc::RainFade fade =
        calc::rainFade({site.latitude, site.elevation, *in.frequency, in.tilt, in.stationHeight,
                        j["rainHeight"].get<double>(), j["rainRate"].get<double>()});
    const calc::LinkBudget budget = calc::budgetOf(w);
    const calc::ClearSky sky = calc::clearSky(budget);
    j.update(figures(fade, in.percents, sky.systemTemperature));
    addLinkFigures(j, in, fade, budget, sky);
  } catch (const FloatFault& fault) {
    j["note"] = std::string("no rain fade: a floating-point fault (") + name(fault.kind) + ")";
  }
}

}  // namespace

std::string rainFadeJson(const RainFadeInputs& in) {
  const calc::RainFade fade =
      calc::rainFade({*in.latitude, *in.elevation, *in.frequency, in.tilt, in.stationHeight,
                      *in.rainHeight.typed, *in.rainRate.typed});
  Json j = figures(fade, in.percents, std::nullopt);
  // Only when there is one, so that the object stays as it was for a path in the rain.
  if (auto warnings = rainFadeWarnings(in, {*in.elevation, *in.latitude, 0}, &untranslated);
      !warnings.empty()) {
    j["warnings"] = std::move(warnings);
  }
  return j.dump();
}

std::string rainFadeStateJson(const RainFadeInputs& in, const Window& w) {
  const RainSite site = rainSiteOf(w);
  Json j = inputsJson(in, site);
  addFigures(j, in, w, site);
  j["warnings"] = rainFadeWarnings(in, site, &untranslated);
  return j.dump();
}

}  // namespace kestrion
