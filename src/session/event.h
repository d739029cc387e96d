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

#include "engine/angle_text.h"
#include "engine/calculator.h"
#include "model/echo.h"

namespace kestrion {

struct SliderMove {
  Input input;
  SliderEvent event;
  std::int16_t position;
};

struct RainClick {
  Rain option;
};

// The typed entries: their names in events, the sliders they set, and how
// their texts are read.
struct TypedEntryKind {
  std::string_view name;
  Input input;
  AngleKind kind;
};
inline constexpr std::array<TypedEntryKind, 3> kTypedEntries{{
    {"latitude", Input::latitude, AngleKind::Latitude},
    {"longitude", Input::longitude, AngleKind::Longitude},
    {"satellite", Input::satellite, AngleKind::Satellite},
}};

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

// A message about an event that was refused or faulted, the one way every
// front-end words it: "event \"HScroll17=91\": WHAT".
std::string eventMessage(std::string_view event, std::string_view what);

// One line of a script as an event: blanks around it trimmed, and a UTF-8
// byte order mark dropped from the first line (Windows editors write one).
// Empty for a line that holds nothing.
std::string_view scriptLine(std::string_view line, bool first);

}  // namespace kestrion
