#include "number_form.h"

#include <bit>
#include <charconv>
#include <cstdint>

#include "model/numtext.h"

namespace kestrion::sweep {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Counts the digits of a run starting at `i`; returns the index after it.
std::size_t digitRun(std::string_view s, std::size_t i) {
  while (i < s.size() && isDigit(s[i])) {
    ++i;
  }
  return i;
}

}  // namespace

std::optional<std::string> numberTextProblem(std::string_view text, int digits) {
  if (text.empty()) {
    return "empty text";
  }
  std::size_t i = 0;
  const bool negative = text[0] == '-';
  if (negative) {
    ++i;
  }
  const std::size_t intStart = i;
  i = digitRun(text, i);
  const std::size_t intEnd = i;
  if (intEnd == intStart) {
    return "no digit before the point";
  }
  if (intEnd - intStart > 1 && text[intStart] == '0') {
    return "leading zero";
  }
  std::size_t fracStart = i;
  std::size_t fracEnd = i;
  if (i < text.size() && text[i] == '.') {
    fracStart = i + 1;
    fracEnd = digitRun(text, fracStart);
    if (fracEnd == fracStart) {
      return "bare point";
    }
    if (text[fracEnd - 1] == '0') {
      return "trailing zero after the point";
    }
    i = fracEnd;
  }
  if (i < text.size() && text[i] == 'E') {
    if (intEnd - intStart != 1 || text[intStart] == '0') {
      return "exponent form needs one leading digit 1..9";
    }
    ++i;
    if (i >= text.size() || (text[i] != '+' && text[i] != '-')) {
      return "exponent without its sign";
    }
    const std::size_t expStart = ++i;
    i = digitRun(text, i);
    if (i - expStart < 2) {
      return "exponent with fewer than two digits";
    }
  }
  if (i != text.size()) {
    return "stray character '" + std::string(1, text[i]) + "'";
  }

  // Significant digits: from the first non-zero digit to the last digit.
  std::string all(text.substr(intStart, intEnd - intStart));
  all.append(text.substr(fracStart, fracEnd - fracStart));
  const auto first = all.find_first_not_of('0');
  if (first == std::string::npos) {
    if (negative) {
      return "negative zero";
    }
    if (fracEnd != fracStart) {
      return "zero with a fraction";
    }
  } else {
    // Zeros closing the integer part ("28710") need not be significant; the
    // round trip below decides whether the text should have used more.
    const auto last = all.find_last_not_of('0');
    if (static_cast<int>(last - first + 1) > digits) {
      return "more than " + std::to_string(digits) + " significant digits";
    }
  }

  const auto value = wholeNumber(text);
  if (!value) {
    return "the whole-text reading refuses it";
  }
#if defined(__cpp_lib_to_chars)
  // The reader is fast_float; libstdc++'s from_chars must read the same double.
  double reference = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), reference);
  if (res.ptr != text.data() + text.size() ||
      std::bit_cast<std::uint64_t>(reference) != std::bit_cast<std::uint64_t>(*value)) {
    return "reads as a double other than std::from_chars reads";
  }
#endif
  const std::string again =
      digits <= 7 ? singleText(static_cast<float>(*value)) : doubleText(*value);
  if (again != text) {
    return "reads back as a value that renders as \"" + again + "\"";
  }
  return std::nullopt;
}

int decimals(std::string_view text) {
  const auto point = text.find('.');
  if (point == std::string_view::npos) {
    return 0;
  }
  const auto end = text.find('E', point);
  return static_cast<int>((end == std::string_view::npos ? text.size() : end) - point - 1);
}

}  // namespace kestrion::sweep
