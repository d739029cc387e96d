#include "numtext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

#include <fast_float/fast_float.h>

namespace kestrion {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The significant digits of a number in scientific form, without the point
// or trailing zeros, and the decimal exponent of the first digit.
struct Decimal {
  std::array<char, 24> digits{};
  int count = 0;
  int exponent = 0;
};

// Splits to_chars' scientific output, "d.ddde+XX" (the sign already gone).
Decimal splitScientific(const char* first, const char* last) {
  Decimal d;
  const char* p = first;
  for (; p != last && *p != 'e'; ++p) {
    if (*p != '.') {
      d.digits[static_cast<std::size_t>(d.count++)] = *p;
    }
  }
  ++p;  // 'e'
  const bool negative = *p == '-';
  ++p;  // its sign
  for (; p != last; ++p) {
    d.exponent = d.exponent * 10 + (*p - '0');
  }
  d.exponent = negative ? -d.exponent : d.exponent;
  while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') {
    --d.count;
  }
  return d;
}

// |x| rounded to nearest with `digits` significant digits. When the shortest
// text that reads back as x has no more digits than that, it is that rounding:
// for a normal double, 15-digit decimals lie more than 4 units in the last
// place apart, so no other one can be nearer to x. The shortest form is much
// cheaper than a fixed precision, and most label values have few digits.
template <typename T>
Decimal roundToDigits(T x, int digits) {
  std::array<char, 64> buf{};
  if constexpr (std::is_same_v<T, double>) {
    if (x >= std::numeric_limits<double>::min()) {
      const auto res =
          std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific);
      Decimal d = splitScientific(buf.data(), res.ptr);
      if (d.count <= digits) {
        return d;
      }
    }
  }
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x,
                                 std::chars_format::scientific, digits - 1);
  return splitScientific(buf.data(), res.ptr);
}

// Renders x with `digits` significant digits by the label rules.
template <typename T>
std::string numberText(T x, int digits) {
  if (x == 0) {
    return "0";  // both zeros: a label never shows "-0"
  }
  const Decimal d = roundToDigits(x < 0 ? -x : x, digits);
  const std::string_view mantissa(d.digits.data(), static_cast<std::size_t>(d.count));
  const int exponent = d.exponent;

  std::array<char, 48> out{};
  std::size_t n = 0;
  const auto put = [&](char c) { out[n++] = c; };
  const auto putAll = [&](std::string_view s) {
    for (const char c : s) {
      put(c);
    }
  };
  if (x < 0) {
    put('-');
  }
  if (exponent >= -4 && exponent < digits) {
    if (exponent < 0) {
      putAll("0.");
      for (int i = -1; i > exponent; --i) {
        put('0');
      }
      putAll(mantissa);
    } else if (d.count <= exponent + 1) {
      putAll(mantissa);
      for (int i = d.count; i < exponent + 1; ++i) {
        put('0');
      }
    } else {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      putAll(mantissa.substr(0, whole));
      put('.');
      putAll(mantissa.substr(whole));
    }
    return {out.data(), n};
  }
  put(mantissa.front());
  if (d.count > 1) {
    put('.');
    putAll(mantissa.substr(1));
  }
  put('E');
  put(exponent < 0 ? '-' : '+');
  const int mag = exponent < 0 ? -exponent : exponent;
  if (mag >= 100) {
    put(static_cast<char>('0' + mag / 100));
  }
  put(static_cast<char>('0' + mag / 10 % 10));
  put(static_cast<char>('0' + mag % 10));
  return {out.data(), n};
}

// Length of the number form at the start of `text` (sign, digits with at most
// one point, exponent only after a digit), and whether it held a digit.
struct Scan {
  std::size_t length = 0;
  bool hasDigit = false;
};

Scan scanNumber(std::string_view text) {
  Scan scan;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  bool point = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      scan.hasDigit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  scan.length = i;
  if (scan.hasDigit && i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    const std::size_t digitsStart = j;
    while (j < text.size() && isDigit(text[j])) {
      ++j;
    }
    if (j > digitsStart) {
      scan.length = j;
    }
  }
  return scan;
}

// Exact powers of ten in double precision.
constexpr std::array<double, 23> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The nearest double to a short decimal, when one rounding gives it: digits
// that fit in 53 bits times or over an exact power of ten (up to 10^22) is a
// single correctly rounded operation. Labels hold such numbers.
std::optional<double> shortDecimal(std::string_view number) {
  std::uint64_t digits = 0;
  int significant = 0;
  int scale = 0;  // decimal exponent from the point
  std::size_t i = 0;
  bool point = false;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      point = true;
      continue;
    }
    if (!isDigit(c)) {
      break;
    }
    if (digits == 0 && c == '0') {
      scale -= point ? 1 : 0;
      continue;
    }
    if (++significant > 15) {
      return std::nullopt;
    }
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    scale -= point ? 1 : 0;
  }
  if (i < number.size()) {  // an exponent
    ++i;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') {
      ++i;
    }
    if (number.size() - i > 3) {
      return std::nullopt;
    }
    int e = 0;
    for (; i < number.size(); ++i) {
      e = e * 10 + (number[i] - '0');
    }
    scale += negative ? -e : e;
  }
  if (digits == 0) {
    return 0.0;
  }
  if (scale < -22 || scale > 22) {
    return std::nullopt;
  }
  const auto m = static_cast<double>(digits);  // exact: at most 15 digits
  return scale < 0 ? m / kPowersOfTen[static_cast<std::size_t>(-scale)]
                   : m * kPowersOfTen[static_cast<std::size_t>(scale)];
}

// Converts a scanned number form (with at least one digit) to the nearest double.
double toDouble(std::string_view number) {
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  if (const auto fast = shortDecimal(number)) {
    value = *fast;
  } else {
    // fast_float rounds correctly, as libstdc++'s from_chars (built on it)
    // does, and also where libc++ has no floating-point from_chars. Beyond the
    // range of a double it gives infinity, below it zero.
    fast_float::from_chars(number.data(), number.data() + number.size(), value,
                           fast_float::chars_format::general);
  }
  return negative ? -value : value;
}

}  // namespace

std::string intText(std::int16_t n) {
  std::array<char, 8> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), n);
  return {buf.data(), res.ptr};
}

std::string singleText(float x) {
  return numberText(x, 7);
}

std::string doubleText(double x) {
  return numberText(x, 15);
}

double leadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) {
    ++i;
  }
  text.remove_prefix(i);
  const Scan scan = scanNumber(text);
  return scan.hasDigit ? toDouble(text.substr(0, scan.length)) : 0.0;
}

std::optional<double> wholeNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  const Scan scan = scanNumber(text);
  if (!scan.hasDigit || scan.length != text.size()) {
    return std::nullopt;
  }
  return toDouble(text);
}

double cutDown(double y, int decimals) {
  const double whole = std::floor(y);
  switch (decimals) {
    case 1:
      return whole / 10;
    case 2:
      return whole / 100;
    default:
      return whole;
  }
}

}  // namespace kestrion
