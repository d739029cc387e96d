// Checked double-precision arithmetic for the recompute procedures. Every step
// is tested for an invalid operation, a division by zero and an overflow; the
// first one met ends the procedure with a FloatFault, so texts it has not yet
// written keep their contents. Checks look at operands and results, not at the
// FPU flags, so the compiler cannot move them away from the step they guard.
#pragma once

#include <cmath>

#include "fault.h"
#include "libm/elementary.h"

namespace kestrion {

// Thrown by a checked step; caught where the window runs a procedure.
struct FloatFault {
  FaultKind kind;
};

class Real {
 public:
  constexpr Real(double v) : v_(v) {}  // NOLINT(google-explicit-constructor): literals mix in
  [[nodiscard]] constexpr double value() const { return v_; }

 private:
  double v_;
};

namespace checked {

[[noreturn]] inline void fail(FaultKind kind) {
  throw FloatFault{kind};
}

// A result that is not finite is a fault of the step that made it.
inline Real result(double r) {
  if (std::isnan(r)) {
    fail(FaultKind::InvalidOperation);
  }
  if (std::isinf(r)) {
    fail(FaultKind::Overflow);
  }
  return r;
}

}  // namespace checked

inline Real operator+(Real a, Real b) {
  return checked::result(a.value() + b.value());
}
inline Real operator-(Real a, Real b) {
  return checked::result(a.value() - b.value());
}
inline Real operator-(Real a) {
  return -a.value();
}
inline Real operator*(Real a, Real b) {
  return checked::result(a.value() * b.value());
}
inline Real operator/(Real a, Real b) {
  if (b.value() == 0) {
    checked::fail(a.value() == 0 || std::isnan(a.value()) ? FaultKind::InvalidOperation
                                                          : FaultKind::DivisionByZero);
  }
  return checked::result(a.value() / b.value());
}
inline bool operator<(Real a, Real b) {
  return a.value() < b.value();
}
inline bool operator==(Real a, Real b) {
  return a.value() == b.value();
}

// Natural logarithm: 0 is a division by zero, a negative argument invalid.
inline Real ln(Real x) {
  if (x.value() == 0) {
    checked::fail(FaultKind::DivisionByZero);
  }
  if (x.value() < 0) {
    checked::fail(FaultKind::InvalidOperation);
  }
  return checked::result(libm::log(x.value()));
}
inline Real power(Real base, Real exponent) {
  if (base.value() == 0 && exponent.value() < 0) {
    checked::fail(FaultKind::DivisionByZero);
  }
  // A square is one correctly rounded product, which is what compilers made
  // of the C library's pow(x, 2); musl's pow may be off by a last bit.
  if (exponent.value() == 2) {
    return base * base;
  }
  return checked::result(libm::pow(base.value(), exponent.value()));
}
inline Real sqroot(Real x) {
  if (x.value() < 0) {
    checked::fail(FaultKind::InvalidOperation);
  }
  return checked::result(std::sqrt(x.value()));
}
inline Real arctan(Real x) {
  return checked::result(libm::atan(x.value()));
}
inline Real sine(Real x) {
  return checked::result(libm::sin(x.value()));
}
inline Real cosine(Real x) {
  return checked::result(libm::cos(x.value()));
}
inline Real tangent(Real x) {
  return checked::result(libm::tan(x.value()));
}
inline Real floorOf(Real x) {
  return std::floor(x.value());
}

}  // namespace kestrion
