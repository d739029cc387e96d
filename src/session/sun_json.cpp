#include "session/sun_json.h"

#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

#include "calc/alignment.h"
#include "calc/obstacle.h"
#include "calc/rain_fade.h"
#include "calc/sun_search.h"
#include "model/controls.h"
#include "model/echo.h"
#include "model/numtext.h"

namespace kestrion {
namespace {

using Json = nlohmann::ordered_json;
using F = SunField;

// The dish's range is the C/N page's slider's (centimetres there), the
// frequency's the rain fade's; ten years of days; obstacles on the scale of
// buildings, trees and hills near the dish.
constexpr std::array<SunFieldName, 6> kFields{{
    {F::days, "days", "N", 1, 3660, false, "days"},
    {F::diameter, "diameter", "M", inputSpec(Input::dishDiameter).min / 100.0,
     inputSpec(Input::dishDiameter).max / 100.0, false, "m"},
    {F::frequency, "frequency", "GHZ", calc::kRainMinFrequency, calc::kRainMaxFrequency, false,
     "GHz"},
    {F::obstacleHeight, "obstacle-height", "M", 0, 5000, false, "m above the dish"},
    {F::obstacleDistance, "obstacle-distance", "M", 0, 50000, true, "m"},
    {F::obstacleMargin, "obstacle-margin", "DEG", 0, 45, false, "degrees"},
}};

void set(SunRequest& r, SunField field, double value) {
  switch (field) {
    case F::days:
      r.days = static_cast<int>(value);
      break;
    case F::diameter:
      r.diameter = value;
      break;
    case F::frequency:
      r.frequency = value;
      break;
    case F::obstacleHeight:
      r.obstacleHeight = value;
      break;
    case F::obstacleDistance:
      r.obstacleDistance = value;
      break;
    default:  // obstacleMargin
      r.obstacleMargin = value;
  }
}

Json timeList(const std::vector<calc::SunAtAzimuth>& found) {
  Json list = Json::array();
  for (const calc::SunAtAzimuth& s : found) {
    list.push_back(
        {{"time", calc::utcText(s.time)}, {"elevation", std::round(s.elevation * 10) / 10}});
  }
  return list;
}

Json transitsJson(const std::vector<calc::OutageWindow>& windows) {
  Json list = Json::array();
  for (const calc::OutageWindow& w : windows) {
    list.push_back({{"start", calc::utcText(w.start)},
                    {"peak", calc::utcText(w.peak)},
                    {"end", calc::utcText(w.end)},
                    {"separation", std::round(w.separation * 1000) / 1000}});
  }
  return list;
}

Json obstacleJson(const SunRequest& r, const calc::ObstacleView& v) {
  return {{"height", *r.obstacleHeight},
          {"distance", *r.obstacleDistance},
          {"margin", r.obstacleMargin},
          {"elevation", v.elevation},
          {"clearance", v.clearance},
          {"distanceNeeded", v.distanceNeeded ? Json(*v.distanceNeeded) : Json(nullptr)}};
}

}  // namespace

std::span<const SunFieldName> sunFields() {
  return kFields;
}

const SunFieldName& sunField(SunField field) {
  return kFields.at(static_cast<std::size_t>(field));
}

std::optional<SunField> sunFieldNamed(std::string_view name) {
  for (const SunFieldName& named : kFields) {
    if (named.name == name) {
      return named.field;
    }
  }
  return std::nullopt;
}

std::string sunAllowed(SunField field) {
  const SunFieldName& f = sunField(field);
  const std::string range = doubleText(f.low) + (f.lowExcluded ? " up to " : " to ") +
                            doubleText(f.high) + " " + std::string(f.unit);
  return f.lowExcluded ? "above " + range : range;
}

std::optional<std::string> setSunOption(SunRequest& request, SunField field,
                                        std::string_view text) {
  const SunFieldName& f = sunField(field);
  const auto value = wholeNumber(text);
  std::string problem;
  if (!value || !std::isfinite(*value)) {
    problem = quotedText(text) + " is not a number";
  } else if (field == F::days && *value != std::floor(*value)) {
    problem = quotedText(text) + " is not a whole number";
  } else if (*value < f.low || *value > f.high || (f.lowExcluded && *value == f.low)) {
    problem = quotedText(text) + " is outside the range";
  } else {
    set(request, field, *value);
    return std::nullopt;
  }
  return problem + "; allowed: " + sunAllowed(field);
}

std::string sunRefusal(SunField field, const std::string& problem) {
  return "--" + std::string(sunField(field).name) + " " + problem;
}

std::optional<std::string> sunRequestProblem(const SunRequest& request) {
  if (request.obstacleHeight.has_value() == request.obstacleDistance.has_value()) {
    return std::nullopt;
  }
  const SunField given = request.obstacleHeight ? F::obstacleHeight : F::obstacleDistance;
  const SunField missing = request.obstacleHeight ? F::obstacleDistance : F::obstacleHeight;
  return "--" + std::string(sunField(given).name) + " needs --" +
         std::string(sunField(missing).name) + " too; allowed: both or neither";
}

SunFigures sunFigures(const Session& session, const SunRequest& request) {
  return sunFigures(session.calculator().window(), session.date(), request);
}

SunFigures sunFigures(const Window& w, calc::CalendarDate today, const SunRequest& request) {
  const calc::Site site{leadingNumber(w.text(Input::latitude)),
                        leadingNumber(w.text(Input::longitude))};
  SunFigures f{};
  f.date = request.date.value_or(today);
  f.dish = calc::satelliteDirection(w);
  f.diameter = request.diameter.value_or(leadingNumber(w.text(Input::dishDiameter)) / 100);
  f.frequency = request.frequency;
  f.beamwidth = calc::beamwidth(f.diameter, f.frequency);
  f.threshold = calc::outageThreshold(f.beamwidth);
  if (!f.dish) {
    return f;
  }
  f.times = calc::sunAndShadow(site, f.date, f.dish->azimuth);
  f.outages = calc::sunOutages(site, *f.dish, f.threshold, f.date, request.days);
  if (request.obstacleHeight && request.obstacleDistance) {
    f.obstacle = calc::obstacleView(*request.obstacleHeight, *request.obstacleDistance,
                                    f.dish->elevation, request.obstacleMargin);
  }
  return f;
}

std::string sunJson(const Session& session, const SunRequest& request) {
  const SunFigures f = sunFigures(session, request);
  Json j;
  j["date"] = dateText(f.date);
  j["azimuth"] = f.dish ? Json(f.dish->azimuth) : Json(nullptr);
  j["elevation"] = f.dish ? Json(f.dish->elevation) : Json(nullptr);
  j["sunInDirection"] = timeList(f.times.sun);
  j["shadowInDirection"] = timeList(f.times.shadow);
  j["diameter"] = f.diameter;
  j["frequency"] = f.frequency;
  j["beamwidth"] = f.beamwidth;
  j["threshold"] = f.threshold;
  j["days"] = request.days;
  j["sunReachesSatellite"] = f.outages.sunReachesSatellite;
  j["transits"] = transitsJson(f.outages.windows);
  if (f.obstacle) {
    j["obstacle"] = obstacleJson(request, *f.obstacle);
  }
  return j.dump();
}

}  // namespace kestrion
