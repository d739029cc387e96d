// kestrion-cli's event parser accepts exactly an option name,
// "HScrollN=P" / "HScrollN~P" with P a whole number inside the slider's range,
// or a typed entry "latitude:=TEXT", and refuses the rest with a one-line
// message.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <variant>

#include "session/event.h"

namespace {

using kestrion::Event;
using kestrion::EventError;

// The accepted form, matched here without the parser.
bool acceptable(std::string_view s) {
  for (const auto& option : kestrion::kRainOptions) {
    if (s == option.name) {
      return true;
    }
  }
  // Typed entries take any text; it is read when the event runs.
  for (const std::string_view typed : {"latitude:=", "longitude:=", "satellite:="}) {
    if (s.starts_with(typed)) {
      return true;
    }
  }
  for (const auto& slider : kestrion::kInputs) {
    if (s.size() > slider.name.size() + 1 && s.starts_with(slider.name) &&
        (s[slider.name.size()] == '=' || s[slider.name.size()] == '~')) {
      std::string_view number = s.substr(slider.name.size() + 1);
      const bool negative = number.front() == '-';
      number.remove_prefix(negative ? 1 : 0);
      if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
      }
      long value = 0;
      for (const char c : number) {
        value = std::min(value * 10 + (c - '0'), 1000000L);
      }
      value = negative ? -value : value;
      return value >= slider.min && value <= slider.max;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = std::make_unique<char[]>(size);
  std::copy(data, data + size, copy.get());
  const std::string_view text(copy.get(), size);

  const auto parsed = kestrion::parseEvent(text);
  if (std::holds_alternative<Event>(parsed) != acceptable(text)) {
    std::abort();
  }
  if (const auto* error = std::get_if<EventError>(&parsed)) {
    // One line of plain text, whatever bytes came in.
    for (const char c : error->message) {
      if (c == '\n' || c == '\r' || c == '\0') {
        std::abort();
      }
    }
    if (error->message.empty()) {
      std::abort();
    }
  }
  return 0;
}
