// The C interface as the web app calls it, one call a line on one handle
// (eight at most, and two costly ones, each once): "date TEXT", "offset TEXT",
// "enter INPUT TEXT", "problem INPUT TEXT", "rain EVENT" (an input as the
// rain section sets it), "complete PREFIX", "translations CATALOGUE",
// "report SITE", "aids", "satellites", "arc", "describe", "sun", "sun-option
// NAME VALUE", "text VALUE TEXT" (a value's text written as the fault path's
// tests write it, any bytes), "address QUERY"
// (what the page's address sets: date=..&offset=..&event=..), "site JSON" (a
// saved site as the browser keeps it, checked and entered as the sites
// dialog does); any other line is an event for kestrion_run. A refusal
// leaves the state as it was and says why in one line; after a call that ran
// the state is JSON that names the event, the date and offset angle it shows
// are taken again unchanged, and the last state reads back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "api/kestrion_api.h"
#include "checks.h"
#include "session/rain_fade_inputs.h"

namespace {

using kestrion::fuzz::isJson;
using kestrion::fuzz::oneLine;
using kestrion::fuzz::readBack;
using Json = nlohmann::ordered_json;

struct Handle {
  kestrion_engine* engine;
  std::string state;
  std::vector<std::string_view> heavyDone;
  bool textsWritten = false;  // an event may then meet a fault, as no event alone can
};

// An input makes this many calls at most, and of the calls that cost as much
// as many others (the report, the arc...) two, each once: enough for any
// order, as these only read the state, except the sun's, which the report
// then shows.
constexpr int kMaxCalls = 8;
constexpr std::size_t kMaxHeavyCalls = 2;

bool once(Handle& h, std::string_view word) {
  if (h.heavyDone.size() == kMaxHeavyCalls ||
      std::find(h.heavyDone.begin(), h.heavyDone.end(), word) != h.heavyDone.end()) {
    return false;
  }
  h.heavyDone.push_back(word);
  return true;
}

std::string stateOf(const Handle& h) {
  return kestrion_state(h.engine);
}

void unchanged(const Handle& h) {
  if (stateOf(h) != h.state) std::abort();
}

// A call that returns a status: refused changes nothing, ran reads back.
bool outcome(Handle& h, int status) {
  const std::string message = kestrion_message(h.engine);
  if (status == KESTRION_REFUSED) {
    if (!oneLine(message)) std::abort();
    unchanged(h);
    return false;
  }
  const bool fault = status == KESTRION_FAULT && h.textsWritten && oneLine(message);
  if (!fault && (status != KESTRION_OK || !message.empty())) std::abort();
  // A state met before has been read already (most calls give the same one).
  std::string now = stateOf(h);
  if (now != h.state) {
    isJson(now);
    h.state = std::move(now);
  }
  return true;
}

// The date and offset angle the state shows are taken again as they are.
void dateAndOffsetReadBack(Handle& h) {
  const Json pointing = readBack(h.state)["pointing"];
  const std::string offset = pointing["offsetAngle"].dump();
  if (kestrion_set_date(h.engine, pointing["date"].get<std::string>().c_str()) != KESTRION_OK ||
      kestrion_set_offset_angle(h.engine, offset.c_str()) != KESTRION_OK) {
    std::abort();
  }
  unchanged(h);
}

void run(Handle& h, const std::string& event) {
  // The state names the event as it came through C (a fault names none).
  const int status = kestrion_run(h.engine, event.c_str());
  if (outcome(h, status) && status == KESTRION_OK &&
      !h.state.starts_with("{\"event\":" + Json(event.c_str()).dump() + ',')) {
    std::abort();
  }
}

// The rain section's way in: the input's own message, and the same answer as
// the event. "EVENT" or "EVENT<tab>FILE NAME" (a map as the user named it).
void setRainInput(Handle& h, std::string_view argument) {
  const auto tab = argument.find('\t');
  const std::string event(argument.substr(0, tab));
  const std::string fileName(tab == std::string_view::npos ? "" : argument.substr(tab + 1));
  const bool ran = outcome(h, kestrion_set_rain_input(h.engine, event.c_str(), fileName.c_str()));
  const bool rainEvent = kestrion::rainFadeEvent(event.c_str()).has_value();
  if ((ran && !rainEvent) ||
      (!ran && rainEvent && kestrion_run(h.engine, event.c_str()) != KESTRION_REFUSED)) {
    std::abort();
  }
}

void setDate(Handle& h, const std::string& date) {
  if (outcome(h, kestrion_set_date(h.engine, date.c_str()))) dateAndOffsetReadBack(h);
}

void setOffset(Handle& h, const std::string& degrees) {
  if (outcome(h, kestrion_set_offset_angle(h.engine, degrees.c_str()))) dateAndOffsetReadBack(h);
}

// "INPUT TEXT": the input's name and the rest.
std::pair<std::string, std::string> inputAndText(std::string_view argument) {
  const auto blank = argument.find(' ');
  if (blank == std::string_view::npos) return {std::string(argument), {}};
  return {std::string(argument.substr(0, blank)), std::string(argument.substr(blank + 1))};
}

std::string problemOf(Handle& h, const std::string& input, const std::string& text) {
  std::string problem = kestrion_angle_problem(h.engine, input.c_str(), text.c_str());
  if (!problem.empty() && !oneLine(problem)) std::abort();
  unchanged(h);
  return problem;
}

// What the editor checks is what entering takes, with the same message.
void enter(Handle& h, std::string_view argument) {
  const auto [input, text] = inputAndText(argument);
  const std::string problem = problemOf(h, input, text);
  const bool ran = outcome(h, kestrion_enter(h.engine, input.c_str(), text.c_str()));
  if (ran != problem.empty() || (!ran && kestrion_message(h.engine) != problem)) std::abort();
}

void listed(Handle& h, const char* text) {
  isJson(text);
  unchanged(h);
}

int hexDigit(char c) {
  const char lower = static_cast<char>(c | 0x20);
  return c >= '0' && c <= '9' ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// %XX and '+' as the browser's URLSearchParams decodes them.
std::string decoded(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '+') {
      out += ' ';
    } else if (s[i] == '%' && i + 2 < s.size() && hexDigit(s[i + 1]) >= 0 &&
               hexDigit(s[i + 2]) >= 0) {
      out += static_cast<char>(hexDigit(s[i + 1]) * 16 + hexDigit(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

// As the page's start applies its address: the first date and offset, then
// every event in order.
void address(Handle& h, std::string_view query) {
  std::vector<std::pair<std::string, std::string>> params;
  while (!query.empty()) {
    const auto end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    const auto equals = pair.find('=');
    params.emplace_back(decoded(pair.substr(0, equals)),
                        equals == std::string_view::npos ? "" : decoded(pair.substr(equals + 1)));
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
  }
  for (const auto* key : {"date", "offset"}) {
    for (const auto& [name, value] : params) {
      if (name != key) continue;
      name == "date" ? setDate(h, value) : setOffset(h, value);
      break;
    }
  }
  for (const auto& [name, value] : params) {
    if (name == "event") run(h, value);
  }
}

// JavaScript's String() of a position.
std::string positionText(const Json& position) {
  const double p = position.get<double>();
  return p == static_cast<double>(static_cast<std::int64_t>(p))
             ? std::to_string(static_cast<std::int64_t>(p))
             : Json(p).dump();
}

// A saved site as the sites dialog reads it (an entry that does not read is
// skipped) and enters it: typed values as events, the satellite by its name
// where the name still stands for the saved position.
void site(Handle& h, std::string_view text) {
  const Json parsed = Json::parse(text, nullptr, false);
  const Json entry = parsed.is_object() ? parsed : Json::object();
  const auto textAt = [&entry](const char* key) {
    return entry.contains(key) && entry[key].is_string() ? entry[key].get<std::string>()
                                                         : std::string("\x01");
  };
  for (const auto* input : {"latitude", "longitude", "satellite"}) {
    if (!problemOf(h, input, textAt(input)).empty()) return;
  }
  std::string offset = textAt("offsetAngle");
  if (offset == "\x01" || !entry.contains("lastUsed") || !entry["lastUsed"].is_number()) return;
  run(h, "latitude:=" + textAt("latitude"));
  run(h, "longitude:=" + textAt("longitude"));
  const std::string name = entry.contains("satelliteName") && entry["satelliteName"].is_string()
                               ? entry["satelliteName"].get<std::string>()
                               : "";
  bool byName = !name.empty() && problemOf(h, "satellite", name).empty();
  if (byName) {
    byName = false;
    const Json found = readBack(kestrion_complete(h.engine, name.c_str()));
    unchanged(h);
    for (const Json& s : found) {
      byName = byName || (s["name"] == name && positionText(s["position"]) == textAt("satellite"));
    }
  }
  run(h, "satellite:=" + (byName ? name : textAt("satellite")));
  for (char& c : offset) {
    if (c == ',') {
      c = '.';
      break;
    }
  }
  setOffset(h, offset);
}

void call(Handle& h, std::string_view line) {
  const auto blank = line.find(' ');
  const std::string_view word = line.substr(0, blank);
  const std::string argument(blank == std::string_view::npos ? "" : line.substr(blank + 1));
  if (word == "date") {
    setDate(h, argument);
  } else if (word == "offset") {
    setOffset(h, argument);
  } else if (word == "rain") {
    setRainInput(h, argument);
  } else if (word == "enter") {
    enter(h, argument);
  } else if (word == "problem") {
    const auto [input, text] = inputAndText(argument);
    problemOf(h, input, text);
  } else if (word == "complete") {
    listed(h, kestrion_complete(h.engine, argument.c_str()));
  } else if (word == "translations") {
    const int status = kestrion_set_translations(h.engine, argument.c_str());
    const std::string message = kestrion_message(h.engine);
    if (status == KESTRION_OK ? !message.empty()
                              : status != KESTRION_REFUSED || !oneLine(message)) {
      std::abort();
    }
    unchanged(h);
  } else if (word == "report" || word == "aids" || word == "satellites" || word == "arc" ||
             word == "describe" || word == "sun") {
    if (!once(h, word)) return;
    listed(h, word == "report"       ? kestrion_report(h.engine, argument.c_str())
              : word == "aids"       ? kestrion_aids(h.engine)
              : word == "satellites" ? kestrion_satellites(h.engine)
              : word == "arc"        ? kestrion_arc(h.engine)
              : word == "sun"        ? kestrion_sun(h.engine)
                                     : kestrion_describe(h.engine));
  } else if (word == "sun-option") {
    const auto [name, value] = inputAndText(argument);
    outcome(h, kestrion_set_sun_option(h.engine, name.c_str(), value.c_str()));
  } else if (word == "text") {
    const auto [value, text] = inputAndText(argument);
    h.textsWritten =
        outcome(h, kestrion_set_text(h.engine, value.c_str(), text.c_str())) || h.textsWritten;
  } else if (word == "address") {
    address(h, argument);
  } else if (word == "site") {
    site(h, argument);
  } else {
    run(h, std::string(line));
  }
}

// The state after the start: the same for every input, checked once.
const std::string& startState() {
  static const std::string state = [] {
    kestrion_engine* engine = kestrion_open();
    if (engine == nullptr || kestrion_set_date(engine, "2026-01-01") != KESTRION_OK) {
      std::abort();
    }
    std::string text = kestrion_state(engine);
    readBack(text);
    kestrion_close(engine);
    return text;
  }();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Handle h{kestrion_open(), startState(), {}, false};
  if (h.engine == nullptr || kestrion_set_date(h.engine, "2026-01-01") != KESTRION_OK) {
    std::abort();
  }
  for (int calls = 0; calls < kMaxCalls && !input.empty(); ++calls) {
    const auto end = input.find('\n');
    call(h, input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  if (h.state != startState()) readBack(h.state);
  kestrion_close(h.engine);
  return 0;
}
