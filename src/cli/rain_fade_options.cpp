#include "cli/rain_fade_options.h"

#include <algorithm>
#include <ostream>

#include "calc/rain_fade.h"
#include "driver.h"
#include "session/rain_fade_json.h"

namespace kestrion::cli {
namespace {

using F = RainFadeField;

// --rain-fade's own inputs; the first five are required.
constexpr std::array<RainFadeField, 8> kPure{F::frequency, F::elevation,  F::latitude,
                                             F::rainRate,  F::rainHeight, F::stationHeight,
                                             F::tilt,      F::percent};
constexpr std::size_t kRequired = 5;

std::string option(RainFadeField field) {
  return "--" + std::string(rainFadeField(field).name);
}

// "--a, --b and --c" of the first count of --rain-fade's options.
std::string pureOptions(std::size_t count = kPure.size()) {
  std::string list;
  for (std::size_t i = 0; i < count; ++i) {
    list += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + option(kPure.at(i));
  }
  return list;
}

bool isPure(RainFadeField field) {
  return std::find(kPure.begin(), kPure.end(), field) != kPure.end();
}

int refuse(std::ostream& err, const std::string& message) {
  err << "kestrion-cli: " << message << '\n';
  return kExitBadInput;
}

std::string help(const RainFadeFieldName& named) {
  const std::string allowed = rainFadeAllowed(named.field);
  switch (named.field) {
    case F::elevation:
    case F::latitude:
      return "rain fade, with --rain-fade only: the path's " + std::string(named.name) + ", " +
             allowed;
    case F::percent:
      return "rain fade: p, " + allowed + "; repeatable (default 1, 0.1, 0.01, 0.001)";
    case F::stationHeight:
      return "rain fade: the station's height, " + allowed + " (default 0)";
    case F::tilt:
      return "rain fade: the polarization's tilt, " + allowed + " (default 0)";
    default:
      return "rain fade: " + std::string(named.name) + ", " + allowed;
  }
}

}  // namespace

std::string rainFadeEventsHelp() {
  std::string text =
      "\nRain fade (ITU-R P.618-14): the events NAME:=VALUE set what the option --NAME sets, for "
      "NAME";
  for (const RainFadeFieldName& named : rainFadeFields()) {
    if (named.field != F::elevation && named.field != F::latitude) {
      text += " " + std::string(named.name);
    }
  }
  text +=
      "; the elevation and latitude are the alignment page's. The state then has a "
      "\"rainFade\" object. required-cn also takes a DVB-S2 modulation and code rate, with "
      "the ideal Es/N0 of ETSI EN 302 307-1 (Table 13):";
  for (std::size_t i = 0; i < calc::modcodCount(); ++i) {
    text += (i == 0 ? " " : ", ") + std::string(calc::modcodName(i));
  }
  return text + ".";
}

RainFadeOptions::RainFadeOptions(CLI::App& app) {
  app.add_flag("--rain-fade", pure_,
               "print the ITU-R rain fade (P.618-14, P.838-3) of the path given by "
               "--frequency, --elevation, --latitude, --rain-rate and --rain-height as one JSON "
               "object, and exit");
  for (const RainFadeFieldName& named : rainFadeFields()) {
    auto& texts = texts_.at(static_cast<std::size_t>(named.field));
    CLI::Option* o = app.add_option("--" + std::string(named.name), texts, help(named));
    o->type_name(std::string(named.value))->allow_extra_args(false);
    if (named.field != F::percent) {
      o->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
  }
}

bool RainFadeOptions::given(RainFadeField field) const {
  return !texts_.at(static_cast<std::size_t>(field)).empty();
}

std::string RainFadeOptions::textOf(RainFadeField field) const {
  std::string text;
  for (const std::string& part : texts_.at(static_cast<std::size_t>(field))) {
    text += (text.empty() ? "" : ",") + part;
  }
  return text;
}

int RainFadeOptions::runPure(bool eventsGiven, std::ostream& out, std::ostream& err) const {
  if (eventsGiven) {
    return refuse(err, "--rain-fade takes no events; allowed: " + pureOptions());
  }
  RainFadeInputs inputs;
  for (const RainFadeFieldName& named : rainFadeFields()) {
    if (!given(named.field)) {
      continue;
    }
    if (!isPure(named.field)) {
      return refuse(
          err, option(named.field) + " does not go with --rain-fade; allowed: " + pureOptions());
    }
    if (auto problem = setRainFadeInput(inputs, named.field, textOf(named.field))) {
      return refuse(err, option(named.field) + " " + *problem);
    }
  }
  for (std::size_t i = 0; i < kRequired; ++i) {
    if (!given(kPure.at(i))) {
      return refuse(
          err, option(kPure.at(i)) + " is missing; --rain-fade needs " + pureOptions(kRequired));
    }
  }
  out << rainFadeJson(inputs) << '\n';
  return 0;
}

int RainFadeOptions::applyTo(Session& session, std::ostream& err) const {
  for (const RainFadeFieldName& named : rainFadeFields()) {
    if (!given(named.field)) {
      continue;
    }
    if (named.field == F::elevation || named.field == F::latitude) {
      return refuse(err, option(named.field) +
                             " needs --rain-fade; allowed without it: the elevation and latitude "
                             "of the alignment page, set by its events");
    }
    if (auto problem = session.setRainFade(named.field, textOf(named.field))) {
      return refuse(err, option(named.field) + " " + *problem);
    }
  }
  return 0;
}

std::optional<std::string> RainFadeOptions::frequencyText() const {
  return given(F::frequency) ? std::optional(textOf(F::frequency)) : std::nullopt;
}

int RainFadeOptions::refuseWithSun(std::ostream& err) const {
  if (pure_) {
    return refuse(err, "--rain-fade does not go with --sun; allowed: one of them");
  }
  for (const RainFadeFieldName& named : rainFadeFields()) {
    if (named.field != F::frequency && given(named.field)) {
      return refuse(err, option(named.field) +
                             " does not go with --sun; allowed with it: --date, --frequency, "
                             "--days, --diameter and the obstacle's options");
    }
  }
  return 0;
}

}  // namespace kestrion::cli
