#include "state_json.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "session/motor_json.h"

namespace kestrion {
namespace {

// Single-precision numbers so that line coordinates print as the shortest
// text that reads back to the same float; keys stay in insertion order.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

// A state is about this long; reserved once, it is written without growing.
constexpr std::size_t kStateBytes = 1536;

// A string as the library writes it. Plain ASCII is escaped here; any other
// text goes to the library, which shows bytes that are no UTF-8 as U+FFFD
// rather than throwing (a value's text may hold any bytes).
void appendString(std::string& out, std::string_view s) {
  const bool ascii = std::all_of(s.begin(), s.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x80 && c != '"' && c != '\\';
  });
  if (!ascii) {
    out += Json(std::string(s)).dump(-1, ' ', false, Json::error_handler_t::replace);
    return;
  }
  out += '"';
  out += s;
  out += '"';
}

void appendKey(std::string& out, std::string_view key, bool first) {
  if (!first) {
    out += ',';
  }
  appendString(out, key);
  out += ':';
}

// Whole coordinates print without the ".0" the library would add; others as
// the library prints a float.
void appendCoordinate(std::string& out, float v) {
  if (std::trunc(v) == v && std::fabs(v) < 1e9F) {
    out += std::to_string(static_cast<std::int64_t>(v));
  } else {
    out += Json(v).dump();
  }
}

}  // namespace

// Full double precision, unlike the lines' coordinates.
nlohmann::ordered_json pointingJson(const PointingState& p) {
  nlohmann::ordered_json j;
  j["declination"] = p.pointing.declination ? nlohmann::ordered_json(*p.pointing.declination)
                                            : nlohmann::ordered_json(nullptr);
  j["magneticAzimuth"] = p.pointing.magneticAzimuth;
  j["model"] = kMagneticModelName;
  j["date"] = dateText(p.date);
  if (p.offsetTenths % 10 == 0) {
    j["offsetAngle"] = p.offsetTenths / 10;
  } else {
    j["offsetAngle"] = p.offsetTenths / 10.0;
  }
  j["faceTilt"] = p.pointing.faceTilt;
  j["warnings"] = p.pointing.warnings;
  if (p.motor != nullptr) {
    for (const std::string& warning : motorWarnings(*p.motor)) {
      j["warnings"].push_back(warning);
    }
    j["motor"] = motorValue(*p.motor);
    j["polarMount"] = polarMountValue(*p.motor);
  }
  return j;
}

std::string stateJson(const Window& w, std::string_view event, const PointingState& pointing) {
  // Written straight into one string rather than built as a document first:
  // a trace writes one state per event.
  std::string text;
  text.reserve(kStateBytes);
  text += "{\"event\":";
  appendString(text, event);
  text += ",\"texts\":{";
  for (std::size_t i = 0; i < kValueCount; ++i) {
    appendKey(text, name(static_cast<Value>(i)), i == 0);
    appendString(text, w.text(static_cast<Value>(i)));
  }
  text += "},\"sliders\":{";
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const auto id = static_cast<Input>(i);
    appendKey(text, name(id), i == 0);
    text += std::to_string(w.slider(id).position);
  }
  text += "},\"option\":";
  appendString(text, name(w.rain()));
  text += ",\"lines\":{";
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    const auto id = static_cast<Pointer>(i);
    const Line& l = w.line(id);
    appendKey(text, name(id), i == 0);
    text += '[';
    appendCoordinate(text, l.x1);
    for (const float v : {l.y1, l.x2, l.y2}) {
      text += ',';
      appendCoordinate(text, v);
    }
    text += ']';
  }
  // The pointing object has a number type of its own; it joins as the last key.
  return text.append("},\"pointing\":").append(pointingJson(pointing).dump()).append("}");
}

}  // namespace kestrion
