// One calculator's state, the one owner of it: the window's texts, the
// pointing aids' date and the dish's offset angle, the satellites known by
// name and the ITU-R rain fade's inputs. Events in kestrion-cli's grammar in,
// the state as kestrion-cli's JSON or as the report's moment out. The window,
// kestrion-cli, the headless job sheet and the browser's engine each hold one,
// so one event text gives one state and one message in every front-end, and a
// new piece of state is added here once.
#pragma once

#include <string>
#include <string_view>

#include "calc/magnetic.h"
#include "engine/calculator.h"
#include "engine/pointing.h"
#include "engine/satellites.h"
#include "session/apply.h"
#include "session/rain_fade_inputs.h"
#include "session/report.h"

namespace kestrion {

// Today's date on the local calendar: the pointing aids' default.
calc::CalendarDate today();

class Session {
 public:
  // Reads nothing yet: the magnetic model and the satellites' names are read
  // when first needed.
  explicit Session(calc::CalendarDate date = today(), int offsetTenths = 0,
                   SatelliteNames satellites = SatelliteNames());

  // Start-up; every session runs it once before its first event.
  RunResult load();
  // As runEvent; the event becomes the last one when it ran.
  RunResult run(std::string_view eventText);

  // The state after the event named, as one line of JSON.
  [[nodiscard]] std::string stateJson(std::string_view event) const;
  // The last event that ran ("load" before any).
  [[nodiscard]] const std::string& lastEvent() const { return lastEvent_; }
  [[nodiscard]] Pointing pointing() const;
  // The moment a report reads, with the name of the saved site if any. It
  // refers to this session's window and rain fade: keep the session while
  // the report reads it.
  [[nodiscard]] ReportState reportState(std::string siteName = {}) const;

  [[nodiscard]] const Calculator& calculator() const { return calculator_; }
  Calculator& calculator() { return calculator_; }
  SatelliteNames& satellites() { return satellites_; }
  [[nodiscard]] calc::CalendarDate date() const { return date_; }
  [[nodiscard]] int offsetTenths() const { return offsetTenths_; }
  void setDate(calc::CalendarDate date) { date_ = date; }
  void setOffsetTenths(int tenths) { offsetTenths_ = tenths; }
  // The ITU-R rain fade's inputs, once an event has set one; the state then
  // has a "rainFade" object.
  [[nodiscard]] const std::optional<RainFadeInputs>& rainFade() const { return rainFade_; }
  // Sets one as kestrion-cli's option of that name does, not as an event:
  // what was wrong and what is allowed, or nothing when it was set.
  std::optional<std::string> setRainFade(RainFadeField field, std::string_view text);
  // Runs the event "NAME:=TEXT" of the field as run does, but a refusal is
  // the input's own message, for a view that shows it beside the input; a
  // map's messages call the file fileName (the name the user chose).
  std::optional<std::string> runRainFade(RainFadeField field, std::string_view text,
                                         std::string_view fileName);
  // The motor's limit, once an event or an option has set one: the motor is
  // then on, and the state's pointing object has the motor, the polar mount
  // and their warnings. Until then a state stays as it was.
  [[nodiscard]] const std::optional<double>& motorLimit() const { return motorLimit_; }
  // Degrees either side of the meridian as typed: what was wrong and what is
  // allowed, or nothing when it was set.
  std::optional<std::string> setMotorLimit(std::string_view text);
  // What the sun's window asked last: from then on the report has the sun.
  [[nodiscard]] const std::optional<SunRequest>& sun() const { return sun_; }
  void setSun(const SunRequest& request) { sun_ = request; }
  // A second LNB's inputs: what was wrong and what is allowed, or nothing
  // when the report has the second LNB from then on. Empty inputs drop it.
  std::optional<std::string> setMultifeed(const std::optional<MultifeedOptions>& options);

 private:
  calc::CalendarDate date_;
  int offsetTenths_;
  Calculator calculator_;
  PointingAid aid_;
  // Read when first needed, by a report too.
  mutable SatelliteNames satellites_;
  std::string lastEvent_ = "load";
  std::optional<RainFadeInputs> rainFade_;
  std::optional<double> motorLimit_;
  std::optional<SunRequest> sun_;
  std::optional<MultifeedOptions> multifeed_;
};

// The event that sets the motor's limit: "motorLimit:=DEGREES".
inline constexpr std::string_view kMotorLimitEvent = "motorLimit";

// Runs an event that sets a rain fade input ("frequency:=12") on a rain fade
// started then if need be, as Session::run does; nothing when the text is no
// such event.
std::optional<RunResult> runRainFadeEvent(std::optional<RainFadeInputs>& rainFade,
                                          std::string_view eventText);

}  // namespace kestrion
