// Texts from outside as messages and JSON show them: on one line, escaped
// where they hold control characters, cut short where they run long.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrion {

// A text as messages echo it: in double quotes, control characters, quotes
// and backslashes escaped, and past kEchoedBytes cut short with an ellipsis,
// so that a message stays one readable line whatever was typed.
inline constexpr std::size_t kEchoedBytes = 60;
std::string quotedText(std::string_view text);
// The same without the double quotes, for a message whose own words quote it.
std::string echoedText(std::string_view text);
// A whole message from elsewhere (a library's) on one line: its control
// characters escaped as in quotedText, nothing cut.
std::string oneLineText(std::string_view text);

// UTF-8 without control characters: a text that JSON and any window show as
// it is.
bool isPlainText(std::string_view text);

}  // namespace kestrion
