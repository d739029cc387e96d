#include "api/kestrion_api.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <unordered_map>

#include "api/describe.h"
#include "api/report_json.h"
#include "engine/angle_text.h"
#include "model/numtext.h"
#include "session/event.h"
#include "session/motor_json.h"
#include "session/report.h"
#include "session/session.h"
#include "session/sun_json.h"
#include "session/sun_sky.h"

struct kestrion_engine {
  kestrion::Session session;
  // The user's language: translations keyed by context, U+001F, source.
  std::unordered_map<std::string, std::string> catalogue;
  std::string message;
  std::string text;  // the last text returned

  [[nodiscard]] std::string translate(const char* context, std::string_view source) const {
    const auto found = catalogue.find(std::string(context) + '\x1f' + std::string(source));
    return found != catalogue.end() ? found->second : std::string(source);
  }
};

namespace {

using kestrion::RunStatus;

int report(kestrion_engine* engine, kestrion::RunResult result) {
  engine->message = std::move(result.message);
  return static_cast<int>(result.status);
}

int refuse(kestrion_engine* engine, std::string message) {
  return report(engine, {RunStatus::refused, std::move(message)});
}

// A null text from JavaScript is refused like an empty one, never read.
std::string_view textOf(const char* text) {
  return text != nullptr ? std::string_view(text) : std::string_view();
}

const char* give(kestrion_engine* engine, std::string text) {
  engine->text = std::move(text);
  return engine->text.c_str();
}

// Records "context U+001F source U+001F translation", separated by U+001E.
bool readCatalogue(std::string_view text, std::unordered_map<std::string, std::string>& out) {
  while (!text.empty()) {
    const auto end = text.find('\x1e');
    const std::string_view record = text.substr(0, end);
    const auto first = record.find('\x1f');
    const auto second = first == std::string_view::npos ? first : record.find('\x1f', first + 1);
    if (second == std::string_view::npos) {
      return false;
    }
    out[std::string(record.substr(0, second))] = std::string(record.substr(second + 1));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return true;
}

// The engine's language, as the core's texts ask for it.
kestrion::Translate translation(const kestrion_engine* engine) {
  return [engine](const char* context, std::string_view source) {
    return engine->translate(context, source);
  };
}

// The report of the session as it stands, in the engine's language.
const char* reported(kestrion_engine* engine, const char* siteName,
                     std::string (*json)(const kestrion::Report&, const kestrion::ReportState&)) {
  const kestrion::ReportState state = engine->session.reportState(std::string(textOf(siteName)));
  const kestrion::Report report(state, translation(engine));
  return give(engine, json(report, state));
}

std::optional<kestrion::AngleKind> angleKindNamed(std::string_view name) {
  for (const kestrion::TypedEntryKind& entry : kestrion::kTypedEntries) {
    if (entry.name == name) {
      return entry.kind;
    }
  }
  return std::nullopt;
}

std::string unknownInput(const char* input) {
  return "input " + kestrion::quotedText(textOf(input)) +
         " is unknown; allowed: latitude, longitude, satellite";
}

// A typed angle as the window's editor reads it: with the language's compass
// letters as well as N, S, E and W.
kestrion::AngleReading typedReading(kestrion_engine* engine, kestrion::AngleKind kind,
                                    std::string_view text) {
  auto& satellites = engine->session.satellites();
  return kestrion::readAngle(
      text, kind, [&satellites](std::string_view name) { return satellites.find(name); },
      kestrion::compassLettersIn(translation(engine)));
}

// What was wrong and what is accepted, in the user's language.
std::string problemOf(kestrion_engine* engine, const kestrion::AngleReading& reading,
                      kestrion::AngleKind kind) {
  return kestrion::angleProblemIn(translation(engine), reading, kind);
}

// The window's texts of a motor or a second LNB, in the user's language.
std::string motorText(const kestrion_engine* engine, const char* source) {
  return engine->translate("kestrion::ui::MotorDialog", source);
}

// A refusal in the user's language, with the input it is about.
nlohmann::ordered_json multifeedProblem(kestrion_engine* engine,
                                        const kestrion::MultifeedRefusal& refusal) {
  using kestrion::MultifeedInput;
  const std::string message =
      refusal.reading ? problemOf(engine, *refusal.reading, kestrion::AngleKind::Satellite)
                      : kestrion::sentenceIn(translation(engine), "kestrion::ui::MotorDialog",
                                             refusal.sentence, refusal.arguments);
  const char* input = refusal.input == MultifeedInput::diameter      ? "diameter"
                      : refusal.input == MultifeedInput::focalLength ? "focalLength"
                                                                     : "satellite";
  return {{"problem", {{"input", input}, {"message", message}}}};
}

nlohmann::ordered_json multifeedValue(const kestrion::MultifeedAid& m) {
  const kestrion::calc::Multifeed& f = m.figures;
  auto j = nlohmann::ordered_json::parse(kestrion::multifeedJson(m));
  j["secondName"] = m.secondName;
  j["secondPosition"] = m.secondPosition;
  j["tooClose"] = m.tooClose;
  j["secondBelowHorizon"] = m.secondBelowHorizon;
  j["shown"] = {{"separation", kestrion::degreesText(f.separation)},
                {"offsetMm", std::lround(f.offset * 1000)},
                {"railTilt", kestrion::degreesText(f.railTilt)},
                {"skew", kestrion::degreesText(f.skew)}};
  return j;
}

// A text as the JSON writer writes it, without building a JSON value for
// it where it needs no escape, as no figure does.
void appendJsonText(std::string& out, const std::string& text) {
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; })) {
    out += '"';
    out += text;
    out += '"';
  } else {
    out += nlohmann::ordered_json(text).dump();
  }
}

std::string satelliteList(const std::vector<const kestrion::Satellite*>& satellites) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const kestrion::Satellite* satellite : satellites) {
    list.push_back({{"name", satellite->name}, {"position", satellite->position}});
  }
  return list.dump();
}

}  // namespace

extern "C" {

kestrion_engine* kestrion_open(void) {
  auto* engine = new (std::nothrow) kestrion_engine;
  if (engine != nullptr) {
    report(engine, engine->session.load());
  }
  return engine;
}

void kestrion_close(kestrion_engine* engine) {
  delete engine;
}

int kestrion_run(kestrion_engine* engine, const char* event) {
  if (event == nullptr) {
    return refuse(engine, "no event given; allowed: an event text such as HScroll17=50");
  }
  return report(engine, engine->session.run(event));
}

int kestrion_set_date(kestrion_engine* engine, const char* date) {
  const auto parsed = kestrion::parseDate(textOf(date));
  if (!parsed) {
    return refuse(engine, "date " + kestrion::quotedText(textOf(date)) + " " +
                              kestrion::dateProblem(textOf(date)));
  }
  engine->session.setDate(*parsed);
  return report(engine, {});
}

int kestrion_set_offset_angle(kestrion_engine* engine, const char* degrees) {
  const auto tenths = kestrion::parseOffsetTenths(textOf(degrees));
  if (!tenths) {
    return refuse(engine, "offset angle " + kestrion::quotedText(textOf(degrees)) +
                              " is not an offset angle; allowed: 0 to 45 degrees with at most "
                              "one decimal");
  }
  engine->session.setOffsetTenths(*tenths);
  return report(engine, {});
}

const char* kestrion_message(kestrion_engine* engine) {
  return engine->message.c_str();
}

const char* kestrion_state(kestrion_engine* engine) {
  return give(engine, engine->session.stateJson(engine->session.lastEvent()));
}

const char* kestrion_satellites(kestrion_engine* engine) {
  std::vector<const kestrion::Satellite*> all;
  for (const kestrion::Satellite& satellite : engine->session.satellites().all()) {
    all.push_back(&satellite);
  }
  return give(engine, satelliteList(all));
}

const char* kestrion_complete(kestrion_engine* engine, const char* prefix) {
  return give(engine, satelliteList(engine->session.satellites().complete(textOf(prefix))));
}

const char* kestrion_describe(kestrion_engine* engine) {
  // Made of the program's own tables: the same text for every handle.
  static const std::string description = kestrion::api::describeControls();
  return give(engine, description);
}

int kestrion_set_translations(kestrion_engine* engine, const char* catalogue) {
  std::unordered_map<std::string, std::string> read;
  if (!readCatalogue(textOf(catalogue), read)) {
    return refuse(engine,
                  "the translations are not a catalogue; allowed: records of context, source and "
                  "translation separated by U+001F, the records by U+001E");
  }
  engine->catalogue = std::move(read);
  return report(engine, {});
}

const char* kestrion_report(kestrion_engine* engine, const char* siteName) {
  return reported(engine, siteName, &kestrion::api::reportJson);
}

const char* kestrion_aids(kestrion_engine* engine) {
  return reported(engine, nullptr, &kestrion::api::aidsJson);
}

const char* kestrion_angle_problem(kestrion_engine* engine, const char* input, const char* text) {
  const auto kind = angleKindNamed(textOf(input));
  if (!kind) {
    return give(engine, unknownInput(input));
  }
  const kestrion::AngleReading reading = typedReading(engine, *kind, textOf(text));
  return give(engine, reading.entry ? std::string() : problemOf(engine, reading, *kind));
}

int kestrion_enter(kestrion_engine* engine, const char* input, const char* text) {
  const auto kind = angleKindNamed(textOf(input));
  if (!kind) {
    return refuse(engine, unknownInput(input));
  }
  const kestrion::AngleReading reading = typedReading(engine, *kind, textOf(text));
  if (!reading.entry) {
    return refuse(engine, problemOf(engine, reading, *kind));
  }
  // The value as kestrion-cli's event takes it: the stored decimal, or the
  // satellite's listed name, which read back to the same entry.
  const std::string& value =
      reading.entry->satellite.empty() ? reading.entry->label : reading.entry->satellite;
  return report(engine, engine->session.run(std::string(textOf(input)) + ":=" + value));
}

int kestrion_set_rain_input(kestrion_engine* engine, const char* event, const char* fileName) {
  const auto rain = kestrion::rainFadeEvent(textOf(event));
  if (!rain) {
    return refuse(engine, "event " + kestrion::quotedText(textOf(event)) +
                              " sets no rain fade input; allowed: NAME:=VALUE with a NAME of "
                              "kestrion-cli's rain fade events");
  }
  if (auto problem = engine->session.runRainFade(rain->field, rain->text, textOf(fileName))) {
    // In the user's language; a map's reading names the file as it is.
    const auto words = kestrion::rainFadeRefusalWords(rain->field, rain->text);
    return refuse(engine, words ? kestrion::sentenceIn(translation(engine),
                                                       "kestrion::ui::RainAvailabilityDialog",
                                                       words->sentence, words->arguments)
                                : std::move(*problem));
  }
  return report(engine, {});
}

const char* kestrion_arc(kestrion_engine* engine) {
  using kestrion::Input;
  const kestrion::InputSpec& satellite = kestrion::inputSpec(Input::satellite);
  const kestrion::Calculator& page = engine->session.calculator();
  kestrion::Calculator copy = page;
  std::string arc = "[";
  for (int position = satellite.min; position <= satellite.max; ++position) {
    // The slider's own event on a copy of the page, so every point is the
    // page's text; assigned anew, so its texts keep their storage.
    copy = page;
    copy.window().moveSlider(Input::satellite, static_cast<std::int16_t>(position));
    if (copy.sliderMoved(Input::satellite)) {
      continue;  // a fault leaves no figure for this position
    }
    const kestrion::Window& w = copy.window();
    arc += arc.size() > 1 ? ",{\"position\":" : "{\"position\":";
    arc += std::to_string(position);
    arc += ",\"elevation\":";
    appendJsonText(arc, w.text(kestrion::Value::elevation));
    arc += ",\"azimuth\":";
    appendJsonText(arc, w.text(kestrion::Value::azimuth));
    arc += '}';
  }
  arc += ']';
  return give(engine, std::move(arc));
}

int kestrion_set_sun_option(kestrion_engine* engine, const char* name, const char* value) {
  const auto field = kestrion::sunFieldNamed(textOf(name));
  if (!field) {
    std::string allowed;
    for (const kestrion::SunFieldName& f : kestrion::sunFields()) {
      allowed += (allowed.empty() ? "" : ", ") + std::string(f.name);
    }
    return refuse(engine, "sun option " + kestrion::quotedText(textOf(name)) +
                              " is unknown; allowed: " + allowed);
  }
  // The session's request, so that the job sheet reports what the section shows.
  kestrion::SunRequest request = engine->session.sun().value_or(kestrion::SunRequest{});
  if (auto problem = kestrion::setSunOption(request, *field, textOf(value))) {
    return refuse(engine, kestrion::sunRefusal(*field, *problem));
  }
  engine->session.setSun(request);
  return report(engine, {});
}

const char* kestrion_sun(kestrion_engine* engine) {
  const kestrion::SunRequest request = engine->session.sun().value_or(kestrion::SunRequest{});
  engine->session.setSun(request);
  return give(engine, kestrion::sunJson(engine->session, request));
}

const char* kestrion_sun_at(kestrion_engine* engine, double unixSeconds) {
  return give(engine, kestrion::sunAtJson(engine->session, unixSeconds));
}

const char* kestrion_sun_path(kestrion_engine* engine, double from, double hours, double step) {
  return give(engine, kestrion::sunPathJson(engine->session, from, hours, step));
}

const char* kestrion_motor(kestrion_engine* engine) {
  using kestrion::degreesText;
  const kestrion::Session& session = engine->session;
  const kestrion::MotorAid aid = kestrion::motorAid(
      session, {session.motorLimit().value_or(kestrion::calc::kDefaultMotorLimit)});
  nlohmann::ordered_json j = kestrion::motorValue(aid);
  j.update(kestrion::polarMountValue(aid));
  j["limit"] = aid.limit;
  j["beyondLimit"] = aid.beyondLimit;
  j["shown"] = {{"angle", degreesText(aid.turn.angle)},
                {"latitudeScale", degreesText(aid.mount.latitudeScale)},
                {"declinationOffset", degreesText(aid.mount.declinationOffset)},
                {"dishElevation", degreesText(aid.mount.dishElevation)},
                {"limit", degreesText(aid.limit)}};
  return give(engine, j.dump());
}

int kestrion_set_motor_limit(kestrion_engine* engine, const char* degrees) {
  const std::string text(textOf(degrees));
  if (engine->session.setMotorLimit(text)) {
    return refuse(
        engine, kestrion::withArguments(motorText(engine, kestrion::kMotorLimitRefused),
                                        {text, kestrion::doubleText(kestrion::calc::kMinMotorLimit),
                                         kestrion::doubleText(kestrion::calc::kMaxMotorLimit)}));
  }
  return report(engine, {});
}

const char* kestrion_visible(kestrion_engine* engine) {
  using kestrion::degreesText;
  const auto visible = kestrion::visibleSatellites(engine->session);
  nlohmann::ordered_json list = kestrion::visibleSatellitesValue(visible);
  for (std::size_t i = 0; i < visible.size(); ++i) {
    const kestrion::VisibleSatellite& v = visible[i];
    nlohmann::ordered_json& j = list[i];
    j["magneticBearing"] =
        v.magneticBearing ? nlohmann::ordered_json(*v.magneticBearing) : nlohmann::ordered_json();
    j["shown"] = {{"elevation", degreesText(v.look.elevation)},
                  {"azimuth", degreesText(v.look.azimuth)},
                  {"skew", degreesText(v.look.skew)},
                  {"magneticBearing", v.magneticBearing ? degreesText(*v.magneticBearing) : ""},
                  {"motorAngle", degreesText(v.motor.angle)}};
  }
  return give(engine, list.dump());
}

const char* kestrion_multifeed(kestrion_engine* engine, const char* satellite, const char* diameter,
                               const char* focalLength) {
  kestrion::MultifeedOptions options{std::string(textOf(satellite)), std::string(textOf(diameter)),
                                     std::string(textOf(focalLength))};
  // The job sheet reports only the second LNB the section shows.
  engine->session.setMultifeed(std::nullopt);
  // The second satellite as the window's editor reads it, with the
  // language's compass letters; the session then has its position.
  const kestrion::AngleReading reading =
      typedReading(engine, kestrion::AngleKind::Satellite, options.satellite);
  if (reading.entry && reading.entry->satellite.empty()) {
    options.satellite = reading.entry->label;
  }
  auto aid = kestrion::multifeedAid(engine->session, options);
  if (const auto* problem = std::get_if<kestrion::MultifeedRefusal>(&aid)) {
    return give(engine, multifeedProblem(engine, *problem).dump());
  }
  engine->session.setMultifeed(options);
  return give(engine, multifeedValue(std::get<kestrion::MultifeedAid>(aid)).dump());
}

int kestrion_set_text(kestrion_engine* engine, const char* value, const char* text) {
  const auto id = kestrion::valueNamed(textOf(value));
  if (!id || text == nullptr) {
    return refuse(engine, "value " + kestrion::quotedText(textOf(value)) +
                              " is unknown; allowed: one of the 37 value names, such as Latitud");
  }
  engine->session.calculator().window().setText(*id, text);
  return report(engine, {});
}

void* kestrion_alloc(size_t size) {
  return std::malloc(size);  // NOLINT(cppcoreguidelines-no-malloc): freed by kestrion_free
}

void kestrion_free(void* block) {
  std::free(block);  // NOLINT(cppcoreguidelines-no-malloc)
}

}  // extern "C"
