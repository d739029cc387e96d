#include "state_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace kestrion {
namespace {

// Single-precision numbers so that line coordinates print as the shortest
// text that reads back to the same float; keys stay in insertion order.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

// Whole coordinates print without the ".0" the library would add.
Json coordinate(float v) {
  if (std::trunc(v) == v && std::fabs(v) < 1e9F) {
    return static_cast<std::int64_t>(v);
  }
  return v;
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
  return j;
}

std::string stateJson(const Window& w, std::string_view event, const PointingState& pointing) {
  Json state;
  state["event"] = std::string(event);
  Json& texts = state["texts"] = Json::object();
  for (std::size_t i = 0; i < kValueCount; ++i) {
    texts[std::string(kValueNames[i])] = w.text(static_cast<Value>(i));
  }
  Json& sliders = state["sliders"] = Json::object();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    sliders[std::string(kInputs[i].name)] = w.slider(static_cast<Input>(i)).position;
  }
  state["option"] = std::string(name(w.rain()));
  Json& lines = state["lines"] = Json::object();
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    const Line& l = w.line(static_cast<Pointer>(i));
    lines[std::string(kPointers[i].name)] =
        Json::array({coordinate(l.x1), coordinate(l.y1), coordinate(l.x2), coordinate(l.y2)});
  }
  // The pointing object has a number type of its own; it joins as the last key.
  std::string text = state.dump();
  text.pop_back();
  return text.append(",\"pointing\":").append(pointingJson(pointing).dump()).append("}");
}

}  // namespace kestrion
