// The window model: the state of the main window as the calculator sees it.
// The texts of the labels are the program's state; procedures read their
// inputs back from them and write their results into them. The model runs
// without a screen: the GUI and the command-line driver raise its events and
// read the texts afterwards.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "controls.h"
#include "fault.h"

namespace kestrion {

struct Slider {
  std::int16_t position;
  std::int16_t min;
  std::int16_t max;
};

// End points in twips, single precision as the line controls store them.
struct Line {
  float x1;
  float y1;
  float x2;
  float y2;
};

// Values kept in the window between events. Only pi is shared; the rest are
// scratch values of one procedure, kept here so tests can look at them.
struct Fields {
  double pi = 0;
  double fontSize = 8.25;
  // ber
  double ifchainnf = 0;
  double chainnf = 0;
  // AlignmentCalc
  double siteLongitude = 0;
  double satelliteLongitude = 0;
  double latitude = 0;
  double cosCentral = 0;
  double central = 0;
  double satelliteAngle = 0;
  // RainAttenuationCalc
  double rateFactor = 0;
  double elevationFactor = 0;
  // CarrierToNoiseCalc
  double fluxDensity = 0;
  double aperture = 0;
  double carrier = 0;
  double noiseTemperature = 0;
  double noise = 0;
  double ratio = 0;
};

class Window {
 public:
  // The window as its description creates it, before the load.
  Window();

  // Start-up: font size, pi, then every page's first results.
  Outcome Form_Load();

  // The user moved a slider: the toolkit sets the position, then raises one of
  // the two events. Both reach the same body. Positions outside the slider's
  // range are the caller's error and are refused by moveSlider.
  Outcome HScroll_Change(SliderId id);
  Outcome HScroll_Scroll(SliderId id);
  bool moveSlider(SliderId id, std::int16_t position);  // false if out of range
  Outcome raise(SliderId id, SliderEvent event);

  // Option clicks select the option, then run its handler.
  Outcome rainoff_Click();
  Outcome Option1_Click();
  Outcome Option2_Click();
  Outcome Option3_Click();
  Outcome click(OptionId id);

  [[nodiscard]] const std::string& text(TextId id) const { return texts_[index(id)]; }
  void setText(TextId id, std::string value);
  [[nodiscard]] const Slider& slider(SliderId id) const { return sliders_[index(id)]; }
  [[nodiscard]] OptionId selectedOption() const { return option_; }
  [[nodiscard]] bool isSelected(OptionId id) const { return option_ == id; }
  [[nodiscard]] const Line& line(LineId id) const { return lines_[index(id)]; }
  void setLineEnd(LineId id, float x2, float y2);
  [[nodiscard]] const Fields& fields() const { return fields_; }
  Fields& fields() { return fields_; }

  // Texts and lines written since the last call, for a view that repaints
  // only what changed. A rewrite with the same text does not count.
  std::bitset<kTextCount> takeChangedTexts();
  std::bitset<kLineCount> takeChangedLines();

 private:
  Outcome sliderBody(SliderId id);
  Outcome rainOption(int rate);

  std::array<std::string, kTextCount> texts_;
  std::array<Slider, kSliderCount> sliders_{};
  std::array<Line, kLineCount> lines_{};
  OptionId option_ = OptionId::rainoff;
  Fields fields_;
  std::bitset<kTextCount> changedTexts_;
  std::bitset<kLineCount> changedLines_;
};

}  // namespace kestrion
