// The rain fade's inputs on one session, one a line: an event as scripts and
// the web app send it ("frequency:=12.1", "required-cn:=8PSK 3/5"), or
// "--NAME=TEXT" as kestrion-cli's option of that name sets it; any other
// line is an event of the pages (the site moves the fade). A refusal says
// why in one line and leaves the rain fade and the event the state names as
// they were (nothing else is a rain input's to change). After a line that
// was taken the state is JSON, and the inputs its "rainFade" shows, sent
// again as the events the window keeps for next time, give the same rain
// fade: the state holds every input, at full precision. The last state
// reads back.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "session/rain_fade_json.h"
#include "session/session.h"

namespace {

using kestrion::RainFadeField;
using kestrion::RunStatus;
using kestrion::Session;
using kestrion::fuzz::oneLine;
using kestrion::fuzz::readBack;
using Json = nlohmann::ordered_json;

std::string numberText(const Json& number) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, number.get<double>()).ptr;
  return {text, end};
}

// The events that set the inputs a state's "rainFade" shows.
std::vector<std::string> eventsOf(const Json& fade) {
  std::vector<std::string> events;
  const auto add = [&events](const char* name, const std::string& text) {
    events.push_back(std::string(name) + ":=" + text);
  };
  if (!fade["frequency"].is_null()) add("frequency", numberText(fade["frequency"]));
  add("tilt", fade.contains("polarization") ? fade["polarization"].get<std::string>()
                                            : numberText(fade["tilt"]));
  if (fade.contains("rainZone")) {
    add("rain-zone", fade["rainZone"]);
  } else if (fade.contains("rainRateMap")) {
    add("rain-rate-map", fade["rainRateMap"]);
  } else if (!fade["rainRate"].is_null()) {
    add("rain-rate", numberText(fade["rainRate"]));
  }
  if (fade.contains("rainHeightMap")) {
    add("rain-height-map", fade["rainHeightMap"]);
  } else if (!fade["rainHeight"].is_null()) {
    add("rain-height", numberText(fade["rainHeight"]));
  }
  add("station-height", numberText(fade["stationHeight"]));
  std::string percents;
  for (const Json& p : fade["percent"]) percents += (percents.empty() ? "" : ",") + numberText(p);
  add("percent", percents);
  if (fade.contains("requiredCarrierToNoise")) {
    add("required-cn", fade.contains("modcod") ? fade["modcod"].get<std::string>()
                                               : numberText(fade["requiredCarrierToNoise"]));
  }
  if (fade.contains("targetAvailability")) {
    add("target", numberText(fade["targetAvailability"]));
  }
  return events;
}

// The "rainFade" object the state shows; empty before any input.
std::string fadeShown(const Session& session) {
  const auto& fade = session.rainFade();
  return fade ? kestrion::rainFadeStateJson(*fade, session.calculator().window()) : "";
}

// The rain fade the state shows, sent again as events, is the same.
void readsBack(const Session& session, const std::string& fade) {
  std::optional<kestrion::RainFadeInputs> again;
  for (const std::string& event : eventsOf(readBack(fade))) {
    if (kestrion::runRainFadeEvent(again, event)->status != RunStatus::ran) std::abort();
  }
  if (kestrion::rainFadeStateJson(*again, session.calculator().window()) != fade) std::abort();
}

// The field a line sets as kestrion-cli's option, "--NAME=TEXT", if any.
std::optional<RainFadeField> optionField(std::string_view line) {
  const auto equals = line.find('=');
  if (!line.starts_with("--") || equals == std::string_view::npos) return std::nullopt;
  return kestrion::rainFadeFieldNamed(line.substr(2, equals - 2));
}

std::optional<std::string> apply(Session& session, std::string_view line) {
  if (const auto field = optionField(line)) {
    return session.setRainFade(*field, line.substr(line.find('=') + 1));
  }
  auto result = session.run(line);
  if (result.status == RunStatus::fault) std::abort();  // no input may reach one
  if (result.status == RunStatus::ran) return std::nullopt;
  return std::move(result.message);
}

// Enough lines for any order of the inputs; more only slow the fuzzer.
constexpr int kMaxLines = 8;

Session started() {
  Session session({2026, 1, 1}, 0);
  if (session.load().status != RunStatus::ran) std::abort();
  return session;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Session session = started();
  std::optional<std::string> fade;  // what fadeShown gives, while known
  bool changed = false;
  for (int lines = 0; lines < kMaxLines && !input.empty(); ++lines) {
    const auto end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    // A rain input may change only the rain fade and the event the state
    // names. The pages' own events are the C interface's target: here they
    // move the site, and a refused one is passed over.
    const bool rain = optionField(line) || kestrion::rainFadeEvent(line);
    if (rain && !fade) fade = fadeShown(session);
    const std::string event = session.lastEvent();
    if (const auto problem = apply(session, line)) {
      if (!oneLine(*problem) ||
          (rain && (session.lastEvent() != event || fadeShown(session) != *fade))) {
        std::abort();
      }
      continue;
    }
    if (!rain) kestrion::fuzz::isJson(session.stateJson(session.lastEvent()));
    changed = true;
    fade = fadeShown(session);
    if (!fade->empty()) readsBack(session, *fade);
  }
  if (changed) readBack(session.stateJson(session.lastEvent()));
  return 0;
}
