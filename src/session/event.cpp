#include "event.h"

#include <array>
#include <charconv>
#include <string>

namespace kestrion {

std::string eventMessage(std::string_view event, std::string_view what) {
  std::string message = "event " + quotedText(event) + ": ";
  message += what;
  return message;
}

std::string_view scriptLine(std::string_view line, bool first) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (first && line.starts_with(kByteOrderMark)) {
    line.remove_prefix(kByteOrderMark.size());
  }
  constexpr std::string_view kBlanks = " \t\r";
  const auto from = line.find_first_not_of(kBlanks);
  if (from == std::string_view::npos) {
    return {};
  }
  return line.substr(from, line.find_last_not_of(kBlanks) - from + 1);
}

namespace {

constexpr std::string_view kAllowedEvents =
    "allowed: HScrollN=P (Change) or HScrollN~P (Scroll) with N 1..25, or one of rainoff, "
    "Option1, Option2, Option3, or latitude:=TEXT, longitude:=TEXT, satellite:=TEXT";

EventError refuse(std::string_view event, const std::string& what, std::string_view allowed) {
  return {eventMessage(event, what + "; " + std::string(allowed))};
}

}  // namespace

std::variant<Event, EventError> parseEvent(std::string_view text) {
  if (text.empty()) {
    return refuse(text, "empty event", kAllowedEvents);
  }
  if (const auto option = rainNamed(text)) {
    return Event{RainClick{*option}};
  }
  if (const auto typed = text.find(":="); typed != std::string_view::npos) {
    for (const TypedEntryKind& entry : kTypedEntries) {
      if (text.substr(0, typed) == entry.name) {
        return Event{TypedEntry{entry.input, std::string(text.substr(typed + 2))}};
      }
    }
    return refuse(text, "unknown typed entry " + quotedText(text.substr(0, typed)), kAllowedEvents);
  }
  const auto sep = text.find_first_of("=~");
  if (sep == std::string_view::npos) {
    if (inputNamed(text)) {
      return refuse(text, "a slider event needs a position", kAllowedEvents);
    }
    return refuse(text, "unknown control " + quotedText(text), kAllowedEvents);
  }
  const std::string_view control = text.substr(0, sep);
  const auto input = inputNamed(control);
  if (!input) {
    return refuse(text, "unknown control " + quotedText(control), kAllowedEvents);
  }
  const InputSpec& s = inputSpec(*input);
  // Written only for a refusal: every event that runs passes here.
  const auto range = [&s] { return std::to_string(s.min) + ".." + std::to_string(s.max); };
  const std::string_view number = text.substr(sep + 1);
  long value = 0;
  const auto* first = number.data();
  const auto* last = number.data() + number.size();
  const auto res = std::from_chars(first, last, value);
  if (number.empty() || res.ptr != last ||
      (res.ec != std::errc{} && res.ec != std::errc::result_out_of_range)) {
    return refuse(text, "position " + quotedText(number) + " is not a whole number",
                  "allowed: a whole number in " + std::string(s.name) + "'s range " + range());
  }
  if (res.ec == std::errc::result_out_of_range || value < s.min || value > s.max) {
    return refuse(
        text, "position " + std::string(number) + " is outside " + std::string(s.name) + "'s range",
        "allowed: " + range());
  }
  return Event{SliderMove{*input, text[sep] == '=' ? SliderEvent::Change : SliderEvent::Scroll,
                          static_cast<std::int16_t>(value)}};
}

}  // namespace kestrion
