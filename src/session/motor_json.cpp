#include "session/motor_json.h"

#include <nlohmann/json.hpp>

#include "session/event.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;

// A length as the option gives it, or its refusal.
std::variant<double, MultifeedRefusal> lengthFrom(DishInput input, const std::string& text) {
  if (const auto value = parseDishLength(input, text)) {
    return *value;
  }
  return dishLengthRefusal(input, text);
}

}  // namespace

MotorAid motorAid(const Session& session, const MotorOptions& options) {
  return motorAid(session.calculator().window(), session.offsetTenths(), options.limit);
}

Json motorValue(const MotorAid& motor) {
  Json j;
  j["angle"] = motor.turn.angle;
  j["direction"] = turnName(motor.turn.direction);
  j["diseqc"] = calc::commandText(motor.command);
  return j;
}

std::string motorJson(const MotorAid& motor) {
  return motorValue(motor).dump();
}

Json polarMountValue(const MotorAid& motor) {
  Json j;
  j["latitudeScale"] = motor.mount.latitudeScale;
  j["declinationOffset"] = motor.mount.declinationOffset;
  j["dishElevation"] = motor.mount.dishElevation;
  return j;
}

std::string polarMountJson(const MotorAid& motor) {
  return polarMountValue(motor).dump();
}

const std::vector<std::string>& motorWarnings(const MotorAid& motor) {
  return motor.warnings;
}

std::vector<VisibleSatellite> visibleSatellites(Session& session) {
  return visibleSatellites(session.satellites().all(), session.calculator().window(),
                           session.pointing().declination);
}

Json visibleSatellitesValue(const std::vector<VisibleSatellite>& visible) {
  Json list = Json::array();
  for (const VisibleSatellite& v : visible) {
    list.push_back({{"name", v.satellite.name},
                    {"position", v.satellite.position},
                    {"elevation", v.look.elevation},
                    {"azimuth", v.look.azimuth},
                    {"skew", v.look.skew},
                    {"motorAngle", v.motor.angle},
                    {"motorDirection", turnName(v.motor.direction)}});
  }
  return list;
}

std::string visibleSatellitesJson(const std::vector<VisibleSatellite>& visible) {
  return visibleSatellitesValue(visible).dump();
}

std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(Session& session,
                                                          const MultifeedOptions& options) {
  return multifeedAid(session.calculator().window(), session.satellites(), options);
}

std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(const Window& w, SatelliteNames& names,
                                                          const MultifeedOptions& options) {
  auto diameter = lengthFrom(DishInput::diameter, options.diameter);
  if (auto* problem = std::get_if<MultifeedRefusal>(&diameter)) {
    return std::move(*problem);
  }
  auto focalLength = lengthFrom(DishInput::focalLength, options.focalLength);
  if (auto* problem = std::get_if<MultifeedRefusal>(&focalLength)) {
    return std::move(*problem);
  }
  return multifeedAid(w, options.satellite,
                      {std::get<double>(diameter), std::get<double>(focalLength)},
                      [&names](std::string_view name) { return names.find(name); });
}

std::string multifeedJson(const MultifeedAid& multifeed) {
  const calc::Multifeed& f = multifeed.figures;
  Json j;
  j["separation"] = f.separation;
  j["offset"] = f.offset;
  j["side"] = f.side == calc::Side::east ? "east" : "west";
  j["railTilt"] = f.railTilt;
  j["skew"] = f.skew;
  j["warnings"] = multifeed.warnings;
  return j.dump();
}

}  // namespace kestrion
