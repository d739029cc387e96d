// What a label may hold: the checks the sweep applies to every text the
// calculator writes, kept apart so they can be tested on their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrion::sweep {

// Why `text` is not a number text with at most `digits` significant digits
// ("-" only before a non-zero value, "." as the point, no trailing zeros after
// it, exponent form "d.dddE+XX" only), or nothing when it is one. A text must
// also read back, by the whole-text reading, to a value that renders to the
// same text again: a label never shows digits its own rendering would not.
std::optional<std::string> numberTextProblem(std::string_view text, int digits);

// Number of decimals after the point in a positional text ("12.25" has 2).
int decimals(std::string_view text);

}  // namespace kestrion::sweep
