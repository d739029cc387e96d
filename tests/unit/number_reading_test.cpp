// The label reader against libstdc++'s std::from_chars, the reference it
// replaced: the same double for every text, including long texts, texts next
// to a halfway point between two doubles, and texts beyond a double's range.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <version>

#include "model/numtext.h"

namespace {

using kestrion::leadingNumber;

#if defined(__cpp_lib_to_chars)

// from_chars with the reader's meaning of a range error: infinity above, zero
// below. `text` is a number form without blanks.
double reference(const std::string& text) {
  const char* first = text.data();
  const bool negative = *first == '-';
  first += (*first == '-' || *first == '+') ? 1 : 0;
  double value = 0;
  const auto res = std::from_chars(first, text.data() + text.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    const auto e = text.find_first_of("eE");
    const bool tiny = e != std::string::npos && text[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

// A random text of the form the reader accepts: sign, up to 30 digits around
// an optional point, an optional exponent of up to 4 digits.
std::string randomText(std::mt19937_64& rng) {
  const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  std::string t;
  t += "  +-"[pick(4)];
  t.erase(t.find_last_not_of(' ') + 1);
  const int whole = pick(20);
  const int fraction = pick(4) == 0 ? 0 : pick(20);
  for (int i = 0; i < whole; ++i) {
    t += static_cast<char>('0' + pick(10));
  }
  if (fraction > 0 || whole == 0) {
    t += '.';
    for (int i = 0; i < (whole == 0 ? fraction + 1 : fraction); ++i) {
      t += static_cast<char>('0' + pick(10));
    }
  }
  if (pick(2) == 0) {
    t += "eE"[pick(2)];
    t += std::string("+-")[pick(2)];
    t += std::to_string(pick(pick(3) == 0 ? 10000 : 330));
  }
  return t;
}

// Texts a hair either side of the halfway point between x and the next
// double up, where a reader that is not correctly rounded goes wrong.
std::string nearHalfway(std::mt19937_64& rng) {
  double x = 0;
  do {
    x = std::bit_cast<double>(rng());
  } while (!std::isfinite(x) || x <= 0);
  const long double mid =
      (static_cast<long double>(x) +
       static_cast<long double>(std::nextafter(x, std::numeric_limits<double>::infinity()))) /
      2;
  char buf[64];
  const int digits = 17 + static_cast<int>(rng() % 12);
  const auto res = std::to_chars(buf, buf + sizeof buf, mid, std::chars_format::scientific, digits);
  return {buf, res.ptr};
}

TEST(NumberReading, EveryTextReadsAsLibstdcxxFromCharsReadsIt) {
  std::mt19937_64 rng(20261208);
  int compared = 0;
  for (int i = 0; i < 1'000'000; ++i) {
    const std::string text = i % 4 == 0 ? nearHalfway(rng) : randomText(rng);
    if (text.find_first_of("0123456789") == std::string::npos) {
      continue;
    }
    const double want = reference(text);
    const double got = leadingNumber(text);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(want))
        << '"' << text << "\" reads as " << got << ", from_chars gives " << want;
    ++compared;
  }
  EXPECT_GT(compared, 900'000);
}

#else

TEST(NumberReading, EveryTextReadsAsLibstdcxxFromCharsReadsIt) {
  GTEST_SKIP() << "this standard library has no floating-point from_chars to compare with";
}

#endif

}  // namespace
