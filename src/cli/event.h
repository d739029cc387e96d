// The events of the command-line driver: "HScrollN=P" (Change), "HScrollN~P"
// (Scroll) and the option names. Parsing is separate from running so that bad
// input is refused before anything runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "engine/calculator.h"

namespace kestrion::cli {

struct SliderMove {
  Input input;
  SliderEvent event;
  std::int16_t position;
};

struct RainClick {
  Rain option;
};

using Event = std::variant<SliderMove, RainClick>;

// Why an event was refused: what is wrong and what is allowed, ready for one
// line of stderr.
struct EventError {
  std::string message;
};

std::variant<Event, EventError> parseEvent(std::string_view text);

}  // namespace kestrion::cli
