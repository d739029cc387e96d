// Shared by the unit tests: a loaded window, and slider moves raised the way
// the toolkit raises them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/calculator.h"
#include "session/apply.h"

namespace kestrion::test {

struct Move {
  Input slider;
  std::int16_t position;
};

inline Calculator loaded() {
  Calculator w;
  EXPECT_EQ(w.load(), std::nullopt);
  return w;
}

// Moves each slider in turn and raises its Change event; none may fault.
inline void apply(Calculator& w, std::initializer_list<Move> moves) {
  for (const Move& m : moves) {
    ASSERT_TRUE(w.window().moveSlider(m.slider, m.position)) << name(m.slider) << " " << m.position;
    ASSERT_EQ(w.sliderMoved(m.slider), std::nullopt) << name(m.slider) << " " << m.position;
  }
}

// A loaded window after typed entries such as "latitude:=60", each of which
// must run.
inline Calculator after(std::initializer_list<std::string> events) {
  Calculator w = loaded();
  for (const std::string& e : events) {
    EXPECT_EQ(runEvent(w, e, nullptr).message, "") << e;
  }
  return w;
}

using Texts = std::array<std::string, kValueCount>;

inline Texts snapshot(const Calculator& w) {
  Texts t;
  for (std::size_t i = 0; i < kValueCount; ++i) {
    t[i] = w.window().text(static_cast<Value>(i));
  }
  return t;
}

}  // namespace kestrion::test
