#include "session/rain_fade_inputs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <variant>

#include "calc/rain_fade.h"
#include "engine/rain_fade_map_file.h"
#include "model/echo.h"
#include "model/numtext.h"
#include "model/translatable.h"
#include "session/event.h"

namespace kestrion {
namespace {

using F = RainFadeField;

// Ranges beyond the method's own (frequency, elevation, p) are the Earth's:
// R0.01 as its map may hold it, the rain height stays below 6 km, and no
// dish stands higher than Everest or lower than the Dead Sea's shore. What a
// refusal says to a person: %1 the text as typed, %2 and %3 the range's ends
// (for the zone, %2 the letters); a map's reading says it instead.
#define KESTRION_RAIN_WORDS(x) QT_TRANSLATE_NOOP("kestrion::ui::RainAvailabilityDialog", x)
constexpr std::array<RainFadeFieldName, kRainFadeFieldCount> kFields{{
    {F::frequency, "frequency", "GHZ", "1 to 55 GHz",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a frequency from %2 to %3 GHz.")},
    {F::elevation, "elevation", "DEG", "above 0 up to 90 degrees",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter an elevation above %2 and up to %3 degrees.")},
    {F::latitude, "latitude", "DEG", "-90 to 90 degrees",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a latitude from %2 to %3 degrees.")},
    {F::rainRate, "rain-rate", "MMH", "0 to 300 mm/h",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a rain rate from %2 to %3 mm/h.")},
    {F::rainHeight, "rain-height", "KM", "0 to 10 km above sea level",
     KESTRION_RAIN_WORDS(
         "\"%1\" is not taken. Enter a rain height from %2 to %3 km above sea level.")},
    {F::stationHeight, "station-height", "KM", "-0.5 to 9 km above sea level",
     KESTRION_RAIN_WORDS(
         "\"%1\" is not taken. Enter the station's height from %2 to %3 km above sea level.")},
    {F::tilt, "tilt", "DEG",
     "-90 to 90 degrees from the horizontal, or horizontal, vertical or circular",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a tilt from %2 to %3 degrees from the "
                         "horizontal, or horizontal, vertical or circular.")},
    {F::percent, "percent", "P", "0.001 to 5 % of the year, several separated by commas",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter percentages of the year from %2 to %3, "
                         "several separated by commas.")},
    {F::rainZone, "rain-zone", "ZONE", "a zone letter of the older ITU-R P.837-1 table: ",
     KESTRION_RAIN_WORDS(
         "\"%1\" is not taken. Choose a zone letter of the ITU-R P.837-1 table: %2.")},
    {F::rainRateMap, "rain-rate-map", "FILE", calc::kRainRateMap.file, nullptr},
    {F::rainHeightMap, "rain-height-map", "FILE", calc::kIsothermMap.file, nullptr},
    {F::requiredCarrierToNoise, "required-cn", "DB",
     "-10 to 40 dB, or a DVB-S2 modulation and code rate such as \"8PSK 3/5\"",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a C/N from %2 to %3 dB, or a DVB-S2 "
                         "modulation and code rate such as \"8PSK 3/5\".")},
    {F::targetAvailability, "target", "PERCENT", "95 to 99.999 % of the year",
     KESTRION_RAIN_WORDS("\"%1\" is not taken. Enter a target from %2 to %3 % of the year.")},
}};
constexpr const char* kMetresRefused =
    KESTRION_RAIN_WORDS("the station height is in km (%1 m is %2)");
constexpr const char* kCodeRateRefused =
    KESTRION_RAIN_WORDS("DVB-S2 has no %1; its %2 code rates are %3");
#undef KESTRION_RAIN_WORDS

using Range = RainFadeRange;

Range rangeOf(RainFadeField field) {
  switch (field) {
    case F::frequency:
      return {calc::kRainMinFrequency, calc::kRainMaxFrequency};
    case F::elevation:
      return {0, 90, true};
    case F::latitude:
      return {-90, 90};
    case F::rainRate:
      return {calc::kRainRateMap.low, calc::kRainRateMap.high};
    case F::rainHeight:
      return {0, 10};
    case F::stationHeight:
      return {-0.5, 9};
    case F::tilt:
      return {-90, 90};
    case F::percent:
      return {calc::kRainMinPercent, calc::kRainMaxPercent};
    case F::requiredCarrierToNoise:
      return {-10, 40};
    default:  // targetAvailability
      return {100 - calc::kRainMaxPercent, 100 - calc::kRainMinPercent};
  }
}

bool within(const Range& r, double value) {
  return !(value < r.low || value > r.high || (r.lowExcluded && value == r.low));
}

// A number within the field's range, or what is wrong with the text.
std::variant<double, std::string> numberFor(RainFadeField field, std::string_view text) {
  const auto value = wholeNumber(text);
  if (!value || !std::isfinite(*value)) {
    return quotedText(text) + " is not a number";
  }
  if (!within(rangeOf(field), *value)) {
    return quotedText(text) + " is outside the range";
  }
  return *value;
}

// A station height no site has in km (over 9 either way) that is one in
// metres was given in metres, as installers think of heights: "650".
std::optional<double> metresForKm(std::string_view text) {
  const auto value = wholeNumber(text);
  const Range km = rangeOf(F::stationHeight);
  if (!value || !std::isfinite(*value) || !(std::fabs(*value) > km.high) ||
      !within(km, *value / 1000)) {
    return std::nullopt;
  }
  return *value;
}

std::string metresLine(double metres) {
  return "the station height is in km (" + doubleText(metres) + " m is " +
         doubleText(metres / 1000) + ")";
}

// A code rate as the table writes them: "7/8".
bool codeRateText(std::string_view text) {
  const std::size_t slash = text.find('/');
  const auto digits = [](std::string_view part) {
    return !part.empty() &&
           std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return slash != std::string_view::npos && digits(text.substr(0, slash)) &&
         digits(text.substr(slash + 1));
}

// A modulation of the table with a rate it lacks ("8PSK 7/8") is no typing
// slip of a number: name the rates the modulation has.
// The rates of the modulation named before the blank, when the text names a
// rate the modulation lacks.
std::optional<std::string> missingRates(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos || !codeRateText(text.substr(blank + 1))) {
    return std::nullopt;
  }
  const std::string_view modulation = text.substr(0, blank + 1);
  std::string rates;
  for (std::size_t i = 0; i < calc::modcodCount(); ++i) {
    const std::string_view name = calc::modcodName(i);
    if (name.substr(0, modulation.size()) == modulation) {
      rates += (rates.empty() ? "" : ", ") + std::string(name.substr(modulation.size()));
    }
  }
  if (rates.empty()) {
    return std::nullopt;
  }
  return rates;
}

std::string modulationOf(std::string_view text) {
  return std::string(text.substr(0, text.find(' ')));
}

std::optional<std::string> missingCodeRate(std::string_view text) {
  const auto rates = missingRates(text);
  if (!rates) {
    return std::nullopt;
  }
  return "DVB-S2 has no " + std::string(text) + "; its " + modulationOf(text) + " code rates are " +
         *rates;
}

std::variant<std::vector<double>, std::string> percentList(std::string_view text) {
  std::vector<double> percents;
  for (;;) {
    const std::size_t comma = text.find(',');
    auto value = numberFor(F::percent, text.substr(0, comma));
    if (auto* problem = std::get_if<std::string>(&value)) {
      return std::move(*problem);
    }
    percents.push_back(std::get<double>(value));
    if (comma == std::string_view::npos) {
      return percents;
    }
    text.remove_prefix(comma + 1);
  }
}

std::optional<double> tiltWord(std::string_view text) {
  if (text == "horizontal") {
    return 0;
  }
  if (text == "vertical") {
    return 90;
  }
  if (text == "circular") {
    return 45;
  }
  return std::nullopt;
}

std::optional<std::string> setMap(RainFadeInputs& in, RainFadeField field, std::string_view path,
                                  std::string_view fileName) {
  // The path is shown in the state's JSON and in messages.
  if (!isPlainText(path)) {
    return "the path " + quotedText(path) +
           " is not plain UTF-8 text; allowed: " + rainFadeAllowed(field) +
           " at a path of UTF-8 text without control characters";
  }
  const bool rate = field == F::rainRateMap;
  auto reading =
      readRainMap(std::string(path),
                  rate ? calc::RainMapKind::rainRate : calc::RainMapKind::isothermHeight, fileName);
  if (auto* problem = std::get_if<std::string>(&reading)) {
    return std::move(*problem);
  }
  auto map = std::make_shared<const calc::RainMap>(std::move(std::get<calc::RainMap>(reading)));
  if (rate) {
    in.rainRate = {std::nullopt, std::nullopt, std::move(map), std::string(path)};
  } else {
    in.rainHeight = {std::nullopt, std::move(map), std::string(path)};
  }
  return std::nullopt;
}

std::optional<std::string> setText(RainFadeInputs& in, RainFadeField field, std::string_view text,
                                   std::string_view fileName) {
  switch (field) {
    case F::percent: {
      auto list = percentList(text);
      if (auto* problem = std::get_if<std::string>(&list)) {
        return std::move(*problem);
      }
      in.percents = std::get<std::vector<double>>(std::move(list));
      return std::nullopt;
    }
    case F::rainZone: {
      const auto rate = text.size() == 1 ? calc::zoneRainRate(text.front()) : std::nullopt;
      if (!rate) {
        return quotedText(text) + " is no rain zone";
      }
      in.rainRate = {*rate, text.front(), nullptr, {}};
      return std::nullopt;
    }
    case F::rainRateMap:
    case F::rainHeightMap:
      return setMap(in, field, text, fileName);
    default:
      return quotedText(text) + " is not a number";
  }
}

void setNumber(RainFadeInputs& in, RainFadeField field, double value) {
  switch (field) {
    case F::frequency:
      in.frequency = value;
      break;
    case F::elevation:
      in.elevation = value;
      break;
    case F::latitude:
      in.latitude = value;
      break;
    case F::rainRate:
      in.rainRate = {value, std::nullopt, nullptr, {}};
      break;
    case F::rainHeight:
      in.rainHeight = {value, nullptr, {}};
      break;
    case F::stationHeight:
      in.stationHeight = value;
      break;
    case F::tilt:
      in.tilt = value;
      in.polarization.clear();
      break;
    case F::requiredCarrierToNoise:
      in.requiredCarrierToNoise = value;
      in.modcod.clear();
      break;
    default:  // targetAvailability
      in.targetAvailability = value;
  }
}

bool takesText(RainFadeField field) {
  return field == F::percent || field == F::rainZone || field == F::rainRateMap ||
         field == F::rainHeightMap;
}

}  // namespace

std::span<const RainFadeFieldName> rainFadeFields() {
  return kFields;
}

const RainFadeFieldName& rainFadeField(RainFadeField field) {
  return kFields.at(static_cast<std::size_t>(field));
}

std::string rainFadeAllowed(RainFadeField field) {
  std::string allowed(rainFadeField(field).allowed);
  return field == F::rainZone ? allowed + calc::rainZones() : allowed;
}

RainFadeRange rainFadeRange(RainFadeField field) {
  return rangeOf(field);
}

RainFadeRange rainFadeTypingRange(RainFadeField field) {
  const Range r = rangeOf(field);
  return field == F::stationHeight ? Range{r.low * 1000, r.high * 1000} : r;
}

std::optional<RainFadeField> rainFadeFieldNamed(std::string_view name) {
  for (const RainFadeFieldName& named : kFields) {
    if (named.name == name) {
      return named.field;
    }
  }
  return std::nullopt;
}

std::optional<RainFadeEvent> rainFadeEvent(std::string_view event) {
  const std::size_t typed = event.find(":=");
  if (typed == std::string_view::npos) {
    return std::nullopt;
  }
  const auto field = rainFadeFieldNamed(event.substr(0, typed));
  if (!field || *field == F::elevation || *field == F::latitude) {
    return std::nullopt;
  }
  return RainFadeEvent{*field, event.substr(typed + 2)};
}

std::optional<std::string> setRainFadeInput(RainFadeInputs& inputs, RainFadeField field,
                                            std::string_view text, std::string_view fileName) {
  const auto refuse = [&](std::string problem) {
    return std::move(problem) + "; allowed: " + rainFadeAllowed(field);
  };
  if (takesText(field)) {
    auto problem = setText(inputs, field, text, fileName);
    return problem && (field == F::percent || field == F::rainZone) ? refuse(*problem) : problem;
  }
  if (field == F::tilt) {
    if (const auto tilt = tiltWord(text)) {
      inputs.tilt = *tilt;
      inputs.polarization = text;
      return std::nullopt;
    }
  }
  if (field == F::requiredCarrierToNoise) {
    if (const auto esn0 = calc::modcodEsN0(text)) {
      inputs.requiredCarrierToNoise = *esn0;
      inputs.modcod = text;
      return std::nullopt;
    }
    if (auto missing = missingCodeRate(text)) {
      return missing;
    }
  }
  if (field == F::stationHeight) {
    if (const auto metres = metresForKm(text)) {
      return metresLine(*metres);
    }
  }
  auto value = numberFor(field, text);
  if (auto* problem = std::get_if<std::string>(&value)) {
    return refuse(std::move(*problem));
  }
  setNumber(inputs, field, std::get<double>(value));
  return std::nullopt;
}

std::optional<std::string> setRainFadeInput(std::optional<RainFadeInputs>& inputs,
                                            RainFadeField field, std::string_view text,
                                            std::string_view fileName) {
  RainFadeInputs changed = inputs.value_or(RainFadeInputs{});
  if (auto problem = setRainFadeInput(changed, field, text, fileName)) {
    return problem;
  }
  inputs = std::move(changed);
  return std::nullopt;
}

std::optional<RainFadeWords> rainFadeRefusalWords(RainFadeField field, std::string_view text) {
  if (field == F::stationHeight) {
    if (const auto metres = metresForKm(text)) {
      return RainFadeWords{kMetresRefused, {doubleText(*metres), doubleText(*metres / 1000)}};
    }
  }
  if (field == F::requiredCarrierToNoise) {
    if (auto rates = missingRates(text)) {
      return RainFadeWords{kCodeRateRefused,
                           {echoedText(text), modulationOf(text), std::move(*rates)}};
    }
  }
  const char* sentence = rainFadeField(field).refused;
  if (sentence == nullptr) {
    return std::nullopt;
  }
  if (field == F::rainZone) {
    return RainFadeWords{sentence, {echoedText(text), calc::rainZones()}};
  }
  const Range r = rangeOf(field);
  return RainFadeWords{sentence, {echoedText(text), doubleText(r.low), doubleText(r.high)}};
}

}  // namespace kestrion
