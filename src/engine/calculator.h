// The calculator: the window model with its events. Start-up, the slider
// and rain-option events and the recompute procedures each runs live here,
// above the model they change and the procedures they run. The window and
// kestrion-cli both drive the model through this class.
#pragma once

#include <cstdint>

#include <string>

#include "angle_text.h"
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

  // A typed latitude, longitude or satellite position: its text goes into
  // the value label, the thumb moves to the nearest whole degree without an
  // event, then the slider's page is recomputed as a slider move would.
  Outcome enter(Input id, const AngleEntry& entry);

  // The satellite's name when it was typed by name; cleared when the
  // satellite's position changes otherwise.
  [[nodiscard]] const std::string& satelliteName() const { return satelliteName_; }

  [[nodiscard]] const Window& window() const { return window_; }
  Window& window() { return window_; }

 private:
  Outcome recompute(Input id);
  Outcome rainRate(int rate);

  Window window_;
  std::string satelliteName_;
};

}  // namespace kestrion
