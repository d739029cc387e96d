// A motorised or multifeed dish as JSON, from a session's state: the
// pointing object's motor and polar mount and their warnings, the
// satellites visible from the site, and a second LNB's figures. Numbers
// unrounded, as the shortest text that reads back.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "calc/motor.h"
#include "engine/motor_aid.h"
#include "engine/multifeed_aid.h"
#include "engine/visible_satellites.h"
#include "session/dish_requests.h"
#include "session/session.h"

namespace kestrion {

struct MotorOptions {
  double limit = calc::kDefaultMotorLimit;  // degrees either side of the meridian
};

MotorAid motorAid(const Session& session, const MotorOptions& options);

// {"angle", "direction", "diseqc": "E0 31 6E .. .."}
nlohmann::ordered_json motorValue(const MotorAid& motor);
std::string motorJson(const MotorAid& motor);
// {"latitudeScale", "declinationOffset", "dishElevation"}
nlohmann::ordered_json polarMountValue(const MotorAid& motor);
std::string polarMountJson(const MotorAid& motor);
// Sentences for the pointing object's warnings, after its own.
const std::vector<std::string>& motorWarnings(const MotorAid& motor);

// At the session's site, with the magnetic bearing when the pointing aids
// give the site's declination.
std::vector<VisibleSatellite> visibleSatellites(Session& session);
// The elements of kestrion-cli --satellites, each with elevation, azimuth,
// skew, motorAngle and motorDirection.
nlohmann::ordered_json visibleSatellitesValue(const std::vector<VisibleSatellite>& visible);
std::string visibleSatellitesJson(const std::vector<VisibleSatellite>& visible);

// The figures, or what was wrong and what is allowed: its line names the
// input.
std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(Session& session,
                                                          const MultifeedOptions& options);
std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(const Window& w, SatelliteNames& names,
                                                          const MultifeedOptions& options);
// {"separation", "offset" (metres), "side", "railTilt", "skew", "warnings"}
std::string multifeedJson(const MultifeedAid& multifeed);

}  // namespace kestrion
