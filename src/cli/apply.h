// Running a parsed event on the calculator, as the window would: kestrion-cli
// and the headless job sheet of kestrion share it so that the same EVENTs give
// the same state in both.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/angle_text.h"
#include "engine/calculator.h"
#include "event.h"

namespace kestrion::cli {

struct EventResult {
  // A typed text that is no angle of its kind: what was wrong and what is
  // accepted. Nothing ran.
  std::optional<std::string> refusal;
  Outcome outcome;  // the calculator's fault, when it had one
};

EventResult applyEvent(Calculator& calculator, const Event& event, const SatelliteLookup& lookup);

// Parses and runs one event text; on failure one line saying what was wrong
// and what is allowed.
std::optional<std::string> runEventText(Calculator& calculator, std::string_view text,
                                        const SatelliteLookup& lookup);

}  // namespace kestrion::cli
