// The rain fade's inputs on one session, one a line: an event as scripts and
// the web app send it ("frequency:=12.1", "required-cn:=8PSK 3/5"), or
// "--NAME=TEXT" as kestrion-cli's option of that name sets it; any other
// line is an event of the pages (the site moves the fade). A refusal leaves
// the state as it was and says why in one line. After a line that was taken
// the state is JSON, and the inputs its "rainFade" shows, sent again as the
// events the window keeps for next time, give the same rain fade: the state
// holds every input, at full precision. The last state reads back.
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

// The rain fade the state shows, sent again as events, is the same.
void readsBack(const Session& session) {
  const auto& window = session.calculator().window();
  const std::string fade = kestrion::rainFadeStateJson(*session.rainFade(), window);
  std::optional<kestrion::RainFadeInputs> again;
  for (const std::string& event : eventsOf(readBack(fade))) {
    if (kestrion::runRainFadeEvent(again, event)->status != RunStatus::ran) std::abort();
  }
  if (kestrion::rainFadeStateJson(*again, window) != fade) std::abort();
}

// "--NAME=TEXT" as the option sets it, else an event.
std::optional<std::string> apply(Session& session, std::string_view line) {
  const auto equals = line.find('=');
  if (line.starts_with("--") && equals != std::string_view::npos) {
    if (const auto field = kestrion::rainFadeFieldNamed(line.substr(2, equals - 2))) {
      return session.setRainFade(*field, line.substr(equals + 1));
    }
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

// The state after the start: the same for every input, checked once.
const std::string& startState() {
  static const std::string state = [] {
    const Session session = started();
    std::string text = session.stateJson(session.lastEvent());
    readBack(text);
    return text;
  }();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Session session = started();
  std::string state = startState();
  for (int lines = 0; lines < kMaxLines && !input.empty(); ++lines) {
    const auto end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    const auto problem = apply(session, line);
    const std::string after = session.stateJson(session.lastEvent());
    if (problem) {
      if (!oneLine(*problem) || after != state) std::abort();
      continue;
    }
    kestrion::fuzz::isJson(after);
    if (session.rainFade()) readsBack(session);
    state = after;
  }
  if (state != startState()) readBack(state);
  return 0;
}
