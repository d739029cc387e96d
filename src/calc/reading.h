// How the procedures read their inputs: slider positions, and label texts by
// the leading-number or the whole-text reading.
#pragma once

#include "checked.h"
#include "model/numtext.h"
#include "model/window.h"

namespace kestrion::calc {

inline Real position(const Window& w, Input id) {
  return static_cast<double>(w.slider(id).position);
}

// A position divided in single precision, then widened: the quotient the
// tenth labels show.
inline Real singleQuotient(const Window& w, Input id, float divisor) {
  return static_cast<double>(static_cast<float>(w.slider(id).position) / divisor);
}

// The readings of a value label, named by its Value or by its Input.
template <typename Label>
Real leading(const Window& w, Label id) {
  return leadingNumber(w.text(id));
}

template <typename Label>
Real whole(const Window& w, Label id) {
  const auto value = wholeNumber(w.text(id));
  if (!value) {
    checked::fail(FaultKind::NotANumber);
  }
  return *value;
}

template <typename Label>
void show(Window& w, Label id, Real value) {
  w.setText(id, doubleText(value.value()));
}

inline Real ln10() {
  return ln(10.0);
}

}  // namespace kestrion::calc
