// The whole-text reading accepts exactly the number form (blanks around it
// aside) and gives the nearest double; everything else is refused. A state
// machine of its own states the form, strtod in the C locale the value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "model/numtext.h"

namespace {

// [blanks] [sign] (digits [. digits] | . digits) [(e|E) [sign] digits] [blanks]
bool numberForm(std::string_view s) {
  enum State { Lead, Sign, Int, Point, Frac, E, ESign, Exp, Trail };
  State st = Lead;
  for (const char c : s) {
    const bool blank = c == ' ' || c == '\t' || c == '\n';
    const bool digit = c >= '0' && c <= '9';
    const bool sign = c == '+' || c == '-';
    switch (st) {
      case Lead:
        st = blank ? Lead : sign ? Sign : digit ? Int : c == '.' ? Point : Trail;
        if (st == Trail) return false;
        break;
      case Sign:
        if (digit)
          st = Int;
        else if (c == '.')
          st = Point;
        else
          return false;
        break;
      case Int:
        if (digit) break;
        if (c == '.')
          st = Frac;
        else if (c == 'e' || c == 'E')
          st = E;
        else if (blank)
          st = Trail;
        else
          return false;
        break;
      case Point:  // a point with no digit before it needs one after it
        if (digit)
          st = Frac;
        else
          return false;
        break;
      case Frac:
        if (digit) break;
        if (c == 'e' || c == 'E')
          st = E;
        else if (blank)
          st = Trail;
        else
          return false;
        break;
      case E:
        if (sign)
          st = ESign;
        else if (digit)
          st = Exp;
        else
          return false;
        break;
      case ESign:
        if (digit)
          st = Exp;
        else
          return false;
        break;
      case Exp:
        if (digit) break;
        if (blank)
          st = Trail;
        else
          return false;
        break;
      case Trail:
        if (!blank) return false;
        break;
    }
  }
  return st == Int || st == Frac || st == Exp || st == Trail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = std::make_unique<char[]>(size);
  std::copy(data, data + size, copy.get());
  const std::string_view text(copy.get(), size);

  const auto value = kestrion::wholeNumber(text);
  const std::string s(text);
  const bool form = numberForm(text);
  if (value.has_value() != form) {
    std::abort();
  }
  if (value) {
    const double expected = std::strtod(s.c_str(), nullptr);  // stops at trailing blanks
    if (*value != expected || std::signbit(*value) != std::signbit(expected)) {
      std::abort();
    }
  }
  return 0;
}
