// Number texts: any finite double rendered and read back gives the value
// rounded to 15 significant digits, any finite float the value rounded to 7;
// the text is in the label form (no "-0", "." as the point, digits limited).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/numtext.h"
#include "number_form.h"

namespace {

// The value rounded to `digits` significant digits, by the C library.
double rounded(double x, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
  return std::strtod(buf, nullptr);
}

void check(const std::string& text, double x, int digits) {
  const auto back = kestrion::wholeNumber(text);
  const double expected = x == 0 ? 0.0 : rounded(x, digits);
  if (!back || *back != expected || (x == 0 && text != "0")) {
    std::abort();
  }
  // Within half a unit of the 15th digit of the largest double the rounded
  // value lies beyond the range and reads back as infinity, as strtod's does;
  // no label comes near. Every other text must be in the label form.
  if (std::isfinite(expected) && kestrion::sweep::numberTextProblem(text, digits)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      check(kestrion::doubleText(x), x, 15);
    }
  }
  if (size >= sizeof(float)) {
    float f = 0;
    std::memcpy(&f, data + (size >= sizeof(double) ? sizeof(double) - sizeof(float) : 0), sizeof f);
    if (std::isfinite(f)) {
      check(kestrion::singleText(f), f, 7);
    }
  }
  return 0;
}
