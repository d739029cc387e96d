#include "session/session.h"

#include <ctime>
#include <utility>

#include "engine/motor_aid.h"
#include "session/motor_json.h"
#include "session/rain_fade_json.h"
#include "session/state_json.h"

namespace kestrion {

Session::Session(calc::CalendarDate date, int offsetTenths, SatelliteNames satellites)
    : date_(date), offsetTenths_(offsetTenths), satellites_(std::move(satellites)) {}

RunResult Session::load() {
  lastEvent_ = "load";
  if (const auto fault = calculator_.load()) {
    return {RunStatus::fault, eventMessage(lastEvent_, describe(*fault))};
  }
  return {};
}

std::optional<RunResult> runRainFadeEvent(std::optional<RainFadeInputs>& rainFade,
                                          std::string_view eventText) {
  const auto rain = rainFadeEvent(eventText);
  if (!rain) {
    return std::nullopt;
  }
  if (auto problem = setRainFadeInput(rainFade, rain->field, rain->text)) {
    return RunResult{
        RunStatus::refused,
        eventMessage(eventText, std::string(rainFadeField(rain->field).name) + " " + *problem)};
  }
  return RunResult{};
}

namespace {

// The text of a "motorLimit:=TEXT" event, or nothing for any other event.
std::optional<std::string_view> motorLimitText(std::string_view eventText) {
  const std::size_t typed = eventText.find(":=");
  if (typed == std::string_view::npos || eventText.substr(0, typed) != kMotorLimitEvent) {
    return std::nullopt;
  }
  return eventText.substr(typed + 2);
}

}  // namespace

std::optional<std::string> Session::setMotorLimit(std::string_view text) {
  const auto limit = parseMotorLimit(text);
  if (!limit) {
    return motorLimitProblem(text);
  }
  motorLimit_ = *limit;
  return std::nullopt;
}

RunResult Session::run(std::string_view eventText) {
  if (const auto limit = motorLimitText(eventText)) {
    if (auto problem = setMotorLimit(*limit)) {
      return {RunStatus::refused, eventMessage(eventText, std::string(kMotorLimitEvent) + " " +
                                                              quotedText(*limit) + " " + *problem)};
    }
    lastEvent_ = eventText;
    return {};
  }
  if (auto rain = runRainFadeEvent(rainFade_, eventText)) {
    if (rain->status == RunStatus::ran) {
      lastEvent_ = eventText;
    }
    return std::move(*rain);
  }
  RunResult result = runEvent(calculator_, eventText,
                              [this](std::string_view name) { return satellites_.find(name); });
  if (result.status == RunStatus::ran) {
    lastEvent_ = eventText;
  }
  return result;
}

std::optional<std::string> Session::setRainFade(RainFadeField field, std::string_view text) {
  return setRainFadeInput(rainFade_, field, text);
}

std::optional<std::string> Session::runRainFade(RainFadeField field, std::string_view text,
                                                std::string_view fileName) {
  auto problem = setRainFadeInput(rainFade_, field, text, fileName);
  if (!problem) {
    lastEvent_ = std::string(rainFadeField(field).name) + ":=" + std::string(text);
  }
  return problem;
}

Pointing Session::pointing() const {
  return aid_.at(calculator_.window(), date_, offsetTenths_);
}

ReportState Session::reportState(std::string siteName) const {
  ReportState state{calculator_.window(),
                    pointing(),
                    date_,
                    offsetTenths_,
                    calculator_.satelliteName(),
                    std::move(siteName),
                    rainFade_ ? &*rainFade_ : nullptr};
  state.sun = sun_ ? &*sun_ : nullptr;
  if (motorLimit_) {
    state.motor = kestrion::motorAid(calculator_.window(), offsetTenths_, *motorLimit_);
  }
  if (multifeed_) {
    // Checked when set; the site may have moved since.
    auto aid = kestrion::multifeedAid(calculator_.window(), satellites_, *multifeed_);
    if (auto* figures = std::get_if<MultifeedAid>(&aid)) {
      state.multifeed = std::move(*figures);
    }
  }
  return state;
}

std::optional<std::string> Session::setMultifeed(const std::optional<MultifeedOptions>& options) {
  if (!options) {
    multifeed_.reset();
    return std::nullopt;
  }
  auto aid = kestrion::multifeedAid(*this, *options);
  if (auto* problem = std::get_if<MultifeedRefusal>(&aid)) {
    return std::move(problem->line);
  }
  multifeed_ = options;
  return std::nullopt;
}

std::string Session::stateJson(std::string_view event) const {
  const Pointing p = pointing();
  std::optional<MotorAid> motor;
  if (motorLimit_) {
    motor = kestrion::motorAid(calculator_.window(), offsetTenths_, *motorLimit_);
  }
  std::string state = kestrion::stateJson(calculator_.window(), event,
                                          {p, date_, offsetTenths_, motor ? &*motor : nullptr});
  if (rainFade_) {
    // Only once set, so that a state without the rain fade stays as it was.
    state.pop_back();
    state.append(",\"rainFade\":")
        .append(rainFadeStateJson(*rainFade_, calculator_.window()))
        .append("}");
  }
  return state;
}

calc::CalendarDate today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace kestrion
