#include "session/sun_sky.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "calc/sun.h"
#include "model/controls.h"
#include "model/numtext.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;

constexpr double kUnixEpoch = 2440587.5;  // the Julian Date of 1970-01-01 00:00 UTC
constexpr double kDay = 86400;

bool inSpan(double seconds) {
  return std::isfinite(seconds) && seconds >= kSunSkyFirst && seconds <= kSunSkyLast;
}

calc::UtcTime utcOf(double seconds) {
  const double days = std::floor(seconds / kDay);
  return {kUnixEpoch + days, (seconds - days * kDay) / kDay};
}

// The alignment page's site, at sea level, as the sun's other figures take it;
// none at a pole, where no azimuth means anything.
std::optional<calc::Site> siteOf(const Session& session) {
  const Window& w = session.calculator().window();
  const calc::Site site{leadingNumber(w.text(Input::latitude)),
                        leadingNumber(w.text(Input::longitude))};
  if (!std::isfinite(site.latitude) || !std::isfinite(site.longitude) ||
      std::abs(site.latitude) >= 90) {
    return std::nullopt;
  }
  return site;
}

Json directionJson(const calc::Site& site, double seconds) {
  const calc::UtcTime t = utcOf(seconds);
  const calc::SunDirection d = calc::sunDirection(site, t);
  return {{"time", calc::utcText(t)},
          {"azimuth", d.azimuth},
          {"elevation", d.elevation},
          {"refractedElevation", d.refractedElevation}};
}

}  // namespace

std::string sunAtJson(const Session& session, double unixSeconds) {
  const auto site = siteOf(session);
  if (!site || !inSpan(unixSeconds)) {
    return "{}";
  }
  return directionJson(*site, unixSeconds).dump();
}

std::string sunPathJson(const Session& session, double unixSeconds, double hours,
                        double stepMinutes) {
  Json path = Json::array();
  const auto site = siteOf(session);
  const bool sound = std::isfinite(hours) && hours > 0 && hours <= 48 &&
                     std::isfinite(stepMinutes) && stepMinutes >= 1 && stepMinutes <= 120;
  if (!site || !sound || !inSpan(unixSeconds) || !inSpan(unixSeconds + hours * 3600)) {
    return path.dump();
  }
  const auto steps = static_cast<int>(std::floor(hours * 60 / stepMinutes));
  for (int i = 0; i <= steps; ++i) {
    path.push_back(directionJson(*site, unixSeconds + i * stepMinutes * 60));
  }
  return path.dump();
}

}  // namespace kestrion
