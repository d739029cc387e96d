// The events of the command-line driver: "HScrollN=P" (Change), "HScrollN~P"
// (Scroll), the option names, and typed entries "latitude:=TEXT". Parsing is separate from running
// so that bad input is refused before anything runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/calculator.h"

namespace kestrion {

// The typed entries ("latitude:=TEXT") and the sliders they set.
inline constexpr std::array<std::pair<std::string_view, Input>, 3> kTypedEntries{{
    {"latitude", Input::latitude},
    {"longitude", Input::longitude},
    {"satellite", Input::satellite},
}};

struct SliderMove {
  Input input;
  SliderEvent event;
  std::int16_t position;
};

struct RainClick {
  Rain option;
};

// A typed latitude, longitude or satellite position: "latitude:=TEXT". The
// text is read when the event runs, against the satellites known then.
struct TypedEntry {
  Input input;
  std::string text;
};

using Event = std::variant<SliderMove, RainClick, TypedEntry>;

// Why an event was refused: what is wrong and what is allowed, ready for one
// line of stderr.
struct EventError {
  std::string message;
};

std::variant<Event, EventError> parseEvent(std::string_view text);

}  // namespace kestrion
