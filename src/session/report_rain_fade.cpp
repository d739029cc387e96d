// The rain availability's rows of the report: the window's section shows the
// results, Copy and the job sheet both parts.
#include <cmath>
#include <optional>
#include <string>

#include "model/controls.h"
#include "model/numtext.h"
#include "model/translatable.h"
#include "session/rain_fade_availability.h"
#include "session/report.h"

namespace kestrion {
namespace {

using F = RainFadeField;

constexpr const char* kRain = "RainFade";

std::string fileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string rowId(std::string_view what) {
  return "rainFade." + std::string(what);
}

// "99.9" for 0.1 % exceeded.
std::string availableText(double percentExceeded) {
  return shortText(100 - percentExceeded, 3);
}

// Why the availability was not worked out, as the row that says so; nothing
// when it was.
std::optional<Quantity> notWorkedOut(const Translate& tr, const RainFadeInputs& in,
                                     const RainAvailability& a) {
  const std::string caption = tr(kRain, QT_TRANSLATE_NOOP("RainFade", "Rain availability"));
  switch (a.status) {
    case RainAvailability::Status::missing: {
      std::string missing;
      const auto add = [&](bool lacking, F field) {
        if (lacking) {
          missing += (missing.empty() ? "" : ", ") + tr(kRain, rainSectionInput(field).caption);
        }
      };
      add(!in.frequency, F::frequency);
      add(!a.rainRate, F::rainRate);
      add(!a.rainHeight, F::rainHeight);
      return Quantity{
          caption,
          withArguments(tr(kRain, QT_TRANSLATE_NOOP("RainFade", "still needs: %1")), {missing}),
          {},
          rowId("missing")};
    }
    case RainAvailability::Status::belowHorizon:
      return Quantity{
          caption,
          tr(kRain, QT_TRANSLATE_NOOP("RainFade", "none: the satellite is below the horizon")),
          {},
          rowId("note")};
    case RainAvailability::Status::fault:
      return Quantity{
          caption,
          tr(kRain, QT_TRANSLATE_NOOP("RainFade", "not worked out: a floating-point fault")),
          {},
          rowId("note")};
    case RainAvailability::Status::ready:
      break;
  }
  return std::nullopt;
}

// "99.950", or beyond the fades worked out "over 99.999" or "under 95".
std::string availabilityText(const Translate& tr, const calc::Availability& availability) {
  using Bound = calc::Availability::Bound;
  const std::string limit = shortText(availability.percent, 3);
  switch (availability.bound) {
    case Bound::within:
      break;
    case Bound::atLeast:
      return withArguments(tr(kRain, QT_TRANSLATE_NOOP("RainFade", "over %1")), {limit});
    case Bound::below:
      return withArguments(tr(kRain, QT_TRANSLATE_NOOP("RainFade", "under %1")), {limit});
  }
  return fixedText(availability.percent, 3);
}

}  // namespace

std::vector<Quantity> Report::rainFadeBasis() const {
  if (state_.rainFade == nullptr) {
    return {};
  }
  const RainFadeInputs& in = *state_.rainFade;
  const RainSite site = rainSiteOf(state_.window);
  std::vector<Quantity> rows;
  const auto input = [&](F field, std::string_view id, std::optional<double> value) {
    const RainSectionInput& section = rainSectionInput(field);
    rows.push_back({inLanguage(kRain, section.caption),
                    value ? shortText(*value, section.decimals) : std::string(),
                    value ? std::string(section.unit) : std::string(), rowId(id)});
  };
  const auto source = [&](std::string_view caption, std::string_view id, std::string value) {
    rows.push_back({inLanguage(kRain, caption), std::move(value), {}, rowId(id)});
  };
  input(F::frequency, "frequency", in.frequency);
  std::string polarization =
      withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "%1° from the horizontal")),
                    {shortText(in.tilt, rainSectionInput(F::tilt).decimals)});
  for (const RainPolarization& p : rainPolarizations()) {
    if (!p.word.empty() && p.word == in.polarization) {
      polarization = inLanguage(kRain, p.caption);
    }
  }
  source(rainSectionChoice(F::tilt).caption, "polarization", std::move(polarization));
  input(F::rainRate, "rainRate", rainRateAt(in.rainRate, site));
  if (in.rainRate.zone) {
    source(QT_TRANSLATE_NOOP("RainFade", "R0.01 from"), "rainZone",
           withArguments(
               inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade",
                                                   "zone %1 of the older ITU-R P.837-1 table")),
               {std::string(1, *in.rainRate.zone)}));
  } else if (in.rainRate.map) {
    source(QT_TRANSLATE_NOOP("RainFade", "R0.01 from"), "rainRateMap",
           withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "the ITU-R P.837 map %1")),
                         {fileName(in.rainRate.mapPath)}));
  }
  input(F::rainHeight, "rainHeight", rainHeightAt(in.rainHeight, site));
  if (in.rainHeight.map) {
    source(QT_TRANSLATE_NOOP("RainFade", "Rain height from"), "rainHeightMap",
           withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "the ITU-R P.839 map %1")),
                         {fileName(in.rainHeight.mapPath)}));
  }
  input(F::stationHeight, "stationHeight", in.stationHeight);
  input(F::requiredCarrierToNoise, "requiredCarrierToNoise", in.requiredCarrierToNoise);
  if (in.requiredCarrierToNoise && !in.modcod.empty()) {
    source(rainSectionChoice(F::requiredCarrierToNoise).caption, "modcod", in.modcod);
  }
  input(F::targetAvailability, "targetAvailability", in.targetAvailability);
  return rows;
}

std::vector<std::string> Report::rainFadeWarnings() const {
  if (state_.rainFade == nullptr) {
    return {};
  }
  return kestrion::rainFadeWarnings(*state_.rainFade, rainSiteOf(state_.window), tr_);
}

Report::RainFadeNotes Report::rainFadeNotes() const {
  if (state_.rainFade == nullptr) {
    return {};
  }
  const Window& w = state_.window;
  RainFadeNotes notes;
  notes.basis = withArguments(
      inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade",
                                          "It starts from the C/N page: EIRP %1 dBW, dish %2 cm, "
                                          "clear-sky C/N %3 dB.")),
      {w.text(Input::eirp), w.text(Input::dishDiameter), w.text(Value::carrierToNoise)});
  if (isRainSectionStart(*state_.rainFade)) {
    notes.example = inLanguage(
        kRain, QT_TRANSLATE_NOOP("RainFade",
                                 "The values filled in are an example (zone K, 3 km, 12 GHz, 8PSK "
                                 "2/3), not this site's: enter the site's own."));
  }
  notes.meanings = {
      inLanguage(kRain,
                 QT_TRANSLATE_NOOP("RainFade", "Rain fade: the loss of signal in the rain.")),
      inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade",
                                          "C/N drop: the rain fade plus the sky noise the rain "
                                          "adds.")),
  };
  if (const std::string skew = w.text(Value::skew); !skew.empty()) {
    const double turned = std::fabs(leadingNumber(skew));
    const auto action = [&](const char* caption, double tilt) {
      const std::string degrees = shortText(tilt, rainSectionInput(F::tilt).decimals);
      notes.tiltFromSkew.push_back({withArguments(inLanguage(kRain, caption), {degrees}),
                                    std::string(rainFadeField(F::tilt).name) + ":=" + degrees});
    };
    action(QT_TRANSLATE_NOOP("RainFade", "Horizontal, turned by the skew: %1°"), turned);
    action(QT_TRANSLATE_NOOP("RainFade", "Vertical, turned by the skew: %1°"), 90 - turned);
  }
  return notes;
}

std::vector<Quantity> Report::rainFadeResults() const {
  if (state_.rainFade == nullptr) {
    return {};
  }
  const RainFadeInputs& in = *state_.rainFade;
  const RainAvailability a = rainAvailability(in, state_.window);
  const Window& w = state_.window;
  std::vector<Quantity> rows{
      {inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "Elevation and latitude")),
       w.text(Value::elevation) + "°, " + w.text(Input::latitude) + "°",
       {},
       rowId("site")}};
  if (auto why = notWorkedOut(tr_, in, a)) {
    rows.push_back(std::move(*why));
    return rows;
  }
  if (a.margin) {
    const std::string caption =
        inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "Clear-sky margin"));
    if (*a.margin < 0) {
      rows.push_back(
          {caption,
           withArguments(
               inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "%1 dB: fails even in clear sky")),
               {fixedText(*a.margin, 2)}),
           {},
           rowId("margin")});
    } else {
      rows.push_back({caption, fixedText(*a.margin, 2), "dB", rowId("margin")});
    }
  }
  for (const RainAvailability::Fade& fade : a.fades) {
    const std::string percent = doubleText(fade.percent);
    rows.push_back(
        {withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "Rain fade at %1 %")),
                       {availableText(fade.percent)}),
         fixedText(fade.attenuation, 2), "dB", rowId("attenuation:" + percent)});
    rows.push_back(
        {withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "C/N drop at %1 %")),
                       {availableText(fade.percent)}),
         fixedText(fade.carrierToNoiseDrop, 2), "dB", rowId("carrierToNoiseDrop:" + percent)});
  }
  if (a.availability) {
    rows.push_back({inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "Availability with this dish")),
                    availabilityText(tr_, *a.availability), "%", rowId("availability")});
  }
  if (a.dishSought) {
    rows.push_back(
        {withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "Dish for %1 %")),
                       {shortText(*in.targetAvailability, 3)}),
         a.dish ? std::to_string(*a.dish)
                : withArguments(inLanguage(kRain, QT_TRANSLATE_NOOP("RainFade", "none up to %1")),
                                {std::to_string(inputSpec(Input::dishDiameter).max)}),
         "cm", rowId("dishDiameter")});
  }
  return rows;
}

}  // namespace kestrion
