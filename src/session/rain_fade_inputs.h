// The ITU-R rain fade's inputs as scripts set them: kestrion-cli's options
// and the events of the same names ("frequency:=12.1"). Each text is checked
// before anything changes; a refusal names what was wrong and what is allowed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/rain_fade_map.h"

namespace kestrion {

enum class RainFadeField : std::uint8_t {
  frequency,
  elevation,  // kestrion-cli --rain-fade only: otherwise the alignment page's
  latitude,   // likewise
  rainRate,
  rainHeight,
  stationHeight,
  tilt,
  percent,
  rainZone,
  rainRateMap,
  rainHeightMap,
  requiredCarrierToNoise,
  targetAvailability,
};

inline constexpr std::size_t kRainFadeFieldCount = 13;

struct RainFadeFieldName {
  RainFadeField field;
  std::string_view name;     // the option without "--", and the event's name
  std::string_view value;    // how --help names the value
  std::string_view allowed;  // the start of what a refusal says is allowed
  const char* refused;       // the refusal's words for a person; see rainFadeRefusalWords
};

std::span<const RainFadeFieldName> rainFadeFields();
const RainFadeFieldName& rainFadeField(RainFadeField field);
std::optional<RainFadeField> rainFadeFieldNamed(std::string_view name);
// What a refusal says is allowed for the field.
std::string rainFadeAllowed(RainFadeField field);

// The values a number field takes (not the percent list, zone or maps).
struct RainFadeRange {
  double low;
  double high;
  bool lowExcluded = false;
};
RainFadeRange rainFadeRange(RainFadeField field);
// What a box lets be typed, so that a refusal can say why: the range, and
// for the station height the same in metres, which is refused as such.
RainFadeRange rainFadeTypingRange(RainFadeField field);

// Where R0.01 comes from: the latest of a typed rate, a zone and a map.
struct RainRateSource {
  std::optional<double> typed;
  std::optional<char> zone;
  std::shared_ptr<const calc::RainMap> map;
  std::string mapPath;
};

struct RainHeightSource {
  std::optional<double> typed;
  std::shared_ptr<const calc::RainMap> map;  // of the 0 degC isotherm
  std::string mapPath;
};

struct RainFadeInputs {
  std::optional<double> frequency;  // GHz
  std::optional<double> elevation;  // degrees; set in kestrion-cli --rain-fade only
  std::optional<double> latitude;
  RainRateSource rainRate;
  RainHeightSource rainHeight;
  double stationHeight = 0;  // km
  double tilt = 0;           // degrees from the horizontal
  // The word the tilt came from, if any; the rain fade starts horizontal.
  std::string polarization = "horizontal";
  std::vector<double> percents{1, 0.1, 0.01, 0.001};
  std::optional<double> requiredCarrierToNoise;  // dB
  std::string modcod;                            // the DVB-S2 name it came from, if any
  std::optional<double> targetAvailability;      // %
};

// An event that sets an input, "NAME:=TEXT" with the name of any input but
// the elevation and latitude, which the alignment page gives: the input and
// its text.
struct RainFadeEvent {
  RainFadeField field;
  std::string_view text;
};
std::optional<RainFadeEvent> rainFadeEvent(std::string_view event);

// Sets one input from its text. Returns what was wrong with it and what is
// allowed ("\"60\" is outside the range; allowed: 1 to 55 GHz"); nothing
// changes then. A station height in metres is said to be one. A percent
// text is a list, "0.1,0.05,0.01", that replaces the list before; a map text
// is the path of the file to read, which messages call fileName when given
// (the name the user chose, where the path is the program's own).
std::optional<std::string> setRainFadeInput(RainFadeInputs& inputs, RainFadeField field,
                                            std::string_view text, std::string_view fileName = {});
// The same on a rain fade that starts with this input when it has none yet.
std::optional<std::string> setRainFadeInput(std::optional<RainFadeInputs>& inputs,
                                            RainFadeField field, std::string_view text,
                                            std::string_view fileName = {});

// A refused text as the window and the web say it: a sentence translated in
// the rain window's context, with %1... its arguments. Empty for a map,
// whose reading names the file and what it found; kestrion-cli's lines stay
// as setRainFadeInput gives them.
struct RainFadeWords {
  const char* sentence;
  std::vector<std::string> arguments;
};
std::optional<RainFadeWords> rainFadeRefusalWords(RainFadeField field, std::string_view text);

}  // namespace kestrion
