#include "event.h"

#include <array>
#include <charconv>
#include <string>

namespace kestrion {

namespace {

bool isControl(unsigned char u) {
  return u < 0x20 || u == 0x7f;
}

void appendEscaped(std::string& out, char c, bool quotes) {
  const auto u = static_cast<unsigned char>(c);
  if (quotes && (c == '"' || c == '\\')) {
    out += '\\';
    out += c;
  } else if (isControl(u)) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    out += "\\x";
    out += kHex[u >> 4];
    out += kHex[u & 0xf];
  } else {
    out += c;
  }
}

// The length of the UTF-8 sequence at the start of text, 0 when none is.
std::size_t sequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || length > text.size()) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
      return 0;
    }
  }
  // Neither overlong nor a surrogate nor beyond U+10FFFF.
  const auto second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
  const bool bad = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
                   (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90);
  return bad ? 0 : length;
}

}  // namespace

std::string echoedText(std::string_view text) {
  // Cut at the start of a character, never inside one.
  bool shortened = false;
  if (text.size() > kEchoedBytes) {
    std::size_t cut = kEchoedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) {
      --cut;
    }
    text = text.substr(0, cut);
    shortened = true;
  }
  std::string out;
  for (const char c : text) {
    appendEscaped(out, c, true);
  }
  return shortened ? out + "\u2026" : out;
}

std::string quotedText(std::string_view text) {
  return '"' + echoedText(text) + '"';
}

std::string oneLineText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    appendEscaped(out, c, false);
  }
  return out;
}

bool isPlainText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = sequenceLength(text);
    if (length == 0 || (length == 1 && isControl(static_cast<unsigned char>(text.front())))) {
      return false;
    }
    text.remove_prefix(length);
  }
  return true;
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
  return {"event " + quotedText(event) + ": " + what + "; " + std::string(allowed)};
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
  const std::string range = std::to_string(s.min) + ".." + std::to_string(s.max);
  const std::string_view number = text.substr(sep + 1);
  long value = 0;
  const auto* first = number.data();
  const auto* last = number.data() + number.size();
  const auto res = std::from_chars(first, last, value);
  if (number.empty() || res.ptr != last ||
      (res.ec != std::errc{} && res.ec != std::errc::result_out_of_range)) {
    return refuse(text, "position " + quotedText(number) + " is not a whole number",
                  "allowed: a whole number in " + std::string(s.name) + "'s range " + range);
  }
  if (res.ec == std::errc::result_out_of_range || value < s.min || value > s.max) {
    return refuse(
        text, "position " + std::string(number) + " is outside " + std::string(s.name) + "'s range",
        "allowed: " + range);
  }
  return Event{SliderMove{*input, text[sep] == '=' ? SliderEvent::Change : SliderEvent::Scroll,
                          static_cast<std::int16_t>(value)}};
}

}  // namespace kestrion
