// The calculator: the window model with its events. Start-up, the slider
// and rain-option events and the recompute procedures each runs live here,
// above the model they change and the procedures they run. The window and
// kestrion-cli both drive the model through this class.
#pragma once

#include <cstdint>

#include "calc/fault.h"
#include "model/window.h"

namespace kestrion {

// The toolkit's two slider events. Both run one and the same body.
enum class SliderEvent : std::uint8_t { Change, Scroll };

class Calculator {
 public:
  // The window as its description creates it; nothing computed yet.
  Calculator() = default;

  // Start-up: font size, pi, then every page's first results.
  Outcome load();

  // The user moved a slider: the toolkit has set the position (Window's
  // moveSlider), then raises the slider's Change or Scroll event. Both run
  // this one body: write the value label, then recompute its page.
  Outcome sliderMoved(Input id);

  // A click on a rain option selects it, then runs what the option does.
  Outcome selectRain(Rain id);

  [[nodiscard]] const Window& window() const { return window_; }
  Window& window() { return window_; }

 private:
  Outcome rainRate(int rate);

  Window window_;
};

}  // namespace kestrion
