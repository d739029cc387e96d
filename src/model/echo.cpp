#include "model/echo.h"

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

}  // namespace kestrion
