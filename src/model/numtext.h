// Number texts and readings: how values become label texts and how texts are
// read back. The digits of a label are part of the computation, so these
// rules are exact and independent of the C and C++ locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrion {

// "0", "75", "-90": the decimal digits of n, "-" in front when negative.
std::string intText(std::int16_t n);

// x rounded to 7 significant digits, positional for exponents -4..6, else
// exponent form ("1E-05"); trailing zeros dropped; never "-0".
std::string singleText(float x);

// As singleText, with 15 significant digits (positional for exponents -4..14).
std::string doubleText(double x);

// Reads the longest leading number (after blanks): sign, digits with at most
// one ".", then an exponent only if one follows a digit. Never fails: a text
// without a digit reads as 0.
double leadingNumber(std::string_view text);

// The whole text, blanks around it aside, must be one number in the form the
// leading reading accepts; anything else gives no value.
std::optional<double> wholeNumber(std::string_view text);

// floor(y) / 10^decimals, for decimals 0, 1 or 2: results are cut down
// towards minus infinity, never rounded.
double cutDown(double y, int decimals);

}  // namespace kestrion
