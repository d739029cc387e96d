#include "numtext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestrion {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Renders x with `digits` significant digits by the label rules. to_chars in
// scientific form does the correctly rounded part: "d.ddddde+XX".
template <typename T>
std::string numberText(T x, int digits) {
  if (x == 0) {
    return "0";  // both zeros: a label never shows "-0"
  }
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x,
                                 std::chars_format::scientific, digits - 1);
  std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));

  const bool negative = sci.front() == '-';
  if (negative) {
    sci.remove_prefix(1);
  }
  const auto ePos = sci.find('e');
  std::string mantissa;  // significant digits without the point
  for (const char c : sci.substr(0, ePos)) {
    if (c != '.') {
      mantissa.push_back(c);
    }
  }
  int exponent = 0;
  const auto expText = sci.substr(ePos + 1);
  std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                  expText.data() + expText.size(), exponent);
  while (mantissa.size() > 1 && mantissa.back() == '0') {
    mantissa.pop_back();
  }

  std::string out;
  if (negative) {
    out.push_back('-');
  }
  const int count = static_cast<int>(mantissa.size());
  if (exponent >= -4 && exponent < digits) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent) - 1, '0');
      out += mantissa;
    } else if (count <= exponent + 1) {
      out += mantissa;
      out.append(static_cast<std::size_t>(exponent) + 1 - static_cast<std::size_t>(count), '0');
    } else {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      out.append(mantissa, 0, whole);
      out.push_back('.');
      out.append(mantissa, whole);
    }
    return out;
  }
  out.push_back(mantissa.front());
  if (count > 1) {
    out.push_back('.');
    out.append(mantissa, 1);
  }
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int mag = exponent < 0 ? -exponent : exponent;
  if (mag < 10) {
    out.push_back('0');
  }
  out += std::to_string(mag);
  return out;
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

// Decimal exponent of the number's first significant digit, saturated; only
// needed to tell overflow from underflow when from_chars reports a range error.
long magnitude(std::string_view number) {
  long lead = 0;
  bool seenNonZero = false;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (isDigit(c)) {
      if (!seenNonZero && c != '0') {
        seenNonZero = true;
      }
      if (seenNonZero && !afterPoint) {
        ++lead;
      } else if (!seenNonZero && afterPoint) {
        --lead;
      }
    }
  }
  long exp = 0;
  if (i < number.size()) {
    ++i;
    const bool neg = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
      ++i;
    }
    for (; i < number.size(); ++i) {
      exp = std::min(exp * 10 + (number[i] - '0'), 100000L);
    }
    exp = neg ? -exp : exp;
  }
  return lead + exp;
}

// Converts a scanned number form (with at least one digit) to the nearest double.
double toDouble(std::string_view number) {
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    value = magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
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
