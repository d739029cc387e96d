// The window model: the state of the main window as the calculator sees it.
// The texts of the labels are the program's state; the recompute procedures
// read their inputs back from them and write their results into them. The
// model is passive: it holds texts, slider positions, pointer lines and the
// selected rain option, and remembers what changed; the events that change
// it are raised one layer up.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <utility>

#include "controls.h"

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

class Window {
 public:
  // The window as its description creates it, before the load.
  Window();

  [[nodiscard]] const std::string& text(Value id) const { return texts_[index(id)]; }
  void setText(Value id, std::string value);
  // An input's text is its value label's.
  [[nodiscard]] const std::string& text(Input id) const { return text(valueLabel(id)); }
  void setText(Input id, std::string value) { setText(valueLabel(id), std::move(value)); }

  [[nodiscard]] const Slider& slider(Input id) const { return sliders_[index(id)]; }
  // The toolkit moves the thumb; a position outside the range is refused.
  bool moveSlider(Input id, std::int16_t position);

  [[nodiscard]] Rain rain() const { return rain_; }
  [[nodiscard]] bool isSelected(Rain id) const { return rain_ == id; }
  void selectRain(Rain id) { rain_ = id; }

  [[nodiscard]] const Line& line(Pointer id) const { return lines_[index(id)]; }
  void setLineEnd(Pointer id, float x2, float y2);

  // Window fields: pi is shared by the procedures; the font size is the
  // window's own.
  [[nodiscard]] double pi() const { return pi_; }
  void setPi(double pi) { pi_ = pi; }
  [[nodiscard]] double fontSize() const { return fontSize_; }
  void setFontSize(double points) { fontSize_ = points; }

  // Texts and lines written since the last call, for a view that repaints
  // only what changed. A rewrite with the same text does not count.
  std::bitset<kValueCount> takeChangedTexts();
  std::bitset<kPointerCount> takeChangedLines();

 private:
  std::array<std::string, kValueCount> texts_;
  std::array<Slider, kInputCount> sliders_{};
  std::array<Line, kPointerCount> lines_{};
  Rain rain_ = Rain::clearSky;
  double pi_ = 0;
  double fontSize_ = 8.25;
  std::bitset<kValueCount> changedTexts_;
  std::bitset<kPointerCount> changedLines_;
};

}  // namespace kestrion
