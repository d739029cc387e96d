#include "api/kestrion_api.h"

#include <cstdlib>
#include <new>
#include <nlohmann/json.hpp>
#include <string>

#include "api/describe.h"
#include "session/session.h"

struct kestrion_engine {
  kestrion::Session session{kestrion::today(), 0};
  std::string message;
  std::string text;  // the last text returned
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
  return give(engine, satelliteList(kestrion::completeSatellite(engine->session.satellites().all(),
                                                                textOf(prefix))));
}

const char* kestrion_describe(kestrion_engine* engine) {
  return give(engine, kestrion::api::describeControls());
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
