// Running a parsed event on the calculator, as the window would. Session runs
// its events through it, so the same EVENTs give the same state in every
// front-end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/angle_text.h"
#include "engine/calculator.h"
#include "session/event.h"

namespace kestrion {

struct EventResult {
  // A typed text that is no angle of its kind: what was wrong and what is
  // accepted. Nothing ran.
  std::optional<std::string> refusal;
  Outcome outcome;  // the calculator's fault, when it had one
};

EventResult applyEvent(Calculator& calculator, const Event& event, const SatelliteLookup& lookup);

// What running an event text ended with; the numbers are kestrion-cli's exit
// statuses.
enum class RunStatus : int { ran = 0, refused = 2, fault = 3 };

struct RunResult {
  RunStatus status = RunStatus::ran;
  // One line naming the event, what was wrong and what is allowed; empty
  // when the event ran.
  std::string message;
};

// Parses and runs one event text. A refused event changes nothing; a
// faulting one leaves the texts its procedures wrote before the fault.
RunResult runEvent(Calculator& calculator, std::string_view text, const SatelliteLookup& lookup);

}  // namespace kestrion
