// The leading-number reading never fails and never reads past its text: the
// input sits in a heap block of exactly its size, so AddressSanitizer stops a
// read of one byte more. The value is the whole-text reading of the longest
// prefix in the number form, found here by a matcher of our own.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "model/numtext.h"

namespace {

bool digit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the number form after the blanks, 0 when it holds no digit.
std::size_t formLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    ++i;
  }
  std::size_t digits = 0;
  bool point = false;
  while (i < s.size() && (digit(s[i]) || (s[i] == '.' && !point))) {
    point = point || s[i] == '.';
    digits += digit(s[i]) ? 1 : 0;
    ++i;
  }
  if (digits == 0) {
    return 0;
  }
  if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (s[j] == '+' || s[j] == '-') {
      ++j;
    }
    const std::size_t start = j;
    while (j < s.size() && digit(s[j])) {
      ++j;
    }
    if (j > start) {
      i = j;
    }
  }
  return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = std::make_unique<char[]>(size);
  std::copy(data, data + size, copy.get());
  const std::string_view text(copy.get(), size);

  const double value = kestrion::leadingNumber(text);
  if (std::isnan(value)) {
    std::abort();
  }
  std::size_t blanks = 0;
  while (blanks < text.size() &&
         (text[blanks] == ' ' || text[blanks] == '\t' || text[blanks] == '\n')) {
    ++blanks;
  }
  const std::string_view rest = text.substr(blanks);
  const std::size_t length = formLength(rest);
  if (length == 0) {
    if (value != 0) {
      std::abort();
    }
    return 0;
  }
  const auto whole = kestrion::wholeNumber(rest.substr(0, length));
  if (!whole || *whole != value || std::signbit(*whole) != std::signbit(value)) {
    std::abort();
  }
  return 0;
}
