// The elementary functions the calculator computes with: musl's, compiled
// into every build (kestrion_libm). C libraries round sin, atan, pow... each
// in its own way in the last bit, and that bit can move a shown result; with
// one set of functions, every build shows the same texts.
#pragma once

extern "C" {
double kestrion_atan(double x) noexcept;
double kestrion_atan2(double y, double x) noexcept;
double kestrion_cos(double x) noexcept;
double kestrion_exp(double x) noexcept;
double kestrion_log(double x) noexcept;
double kestrion_pow(double x, double y) noexcept;
double kestrion_sin(double x) noexcept;
double kestrion_tan(double x) noexcept;
}

namespace kestrion::libm {

inline double atan(double x) {
  return kestrion_atan(x);
}
inline double atan2(double y, double x) {
  return kestrion_atan2(y, x);
}
inline double cos(double x) {
  return kestrion_cos(x);
}
inline double exp(double x) {
  return kestrion_exp(x);
}
inline double log(double x) {
  return kestrion_log(x);
}
inline double pow(double x, double y) {
  return kestrion_pow(x, y);
}
inline double sin(double x) {
  return kestrion_sin(x);
}
inline double tan(double x) {
  return kestrion_tan(x);
}

}  // namespace kestrion::libm
