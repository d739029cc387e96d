// Shared by the unit tests: a loaded window, and slider moves raised the way
// the toolkit raises them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "model/window.h"

namespace kestrion::test {

struct Move {
  SliderId slider;
  std::int16_t position;
};

inline Window loadedWindow() {
  Window w;
  EXPECT_EQ(w.Form_Load(), std::nullopt);
  return w;
}

// Moves each slider in turn and raises its Change event; none may fault.
inline void apply(Window& w, std::initializer_list<Move> moves) {
  for (const Move& m : moves) {
    ASSERT_TRUE(w.moveSlider(m.slider, m.position)) << name(m.slider) << " " << m.position;
    ASSERT_EQ(w.HScroll_Change(m.slider), std::nullopt) << name(m.slider) << " " << m.position;
  }
}

using Texts = std::array<std::string, kTextCount>;

inline Texts snapshot(const Window& w) {
  Texts t;
  for (std::size_t i = 0; i < kTextCount; ++i) {
    t[i] = w.text(static_cast<TextId>(i));
  }
  return t;
}

}  // namespace kestrion::test
