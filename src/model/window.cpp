#include "window.h"

#include <utility>

#include "numtext.h"

namespace kestrion {

Window::Window() {
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const InputSpec& s = kInputs[i];
    sliders_[i] = {s.initial, s.min, s.max};
    // The description's caption equals what the slider's handler would write.
    texts_[i] = s.scale == Scale::Tenth ? singleText(static_cast<float>(s.initial) / 10.0F)
                                        : intText(s.initial);
  }
  texts_[index(Value::distance)] = "38000";
  texts_[index(Value::shownDistance)] = "38000";
  texts_[index(Value::rainRate)] = "Text1";
  texts_[index(Value::rainAttenuation)] = "Text1";
  lines_[index(Pointer::skew)] = {3960, 4920, 3960, 4680};
  lines_[index(Pointer::azimuth)] = {1920, 4320, 1920, 3600};
  lines_[index(Pointer::elevation)] = {6000, 4200, 6030, 4020};
}

bool Window::moveSlider(Input id, std::int16_t position) {
  Slider& s = sliders_[index(id)];
  if (position < s.min || position > s.max) {
    return false;
  }
  s.position = position;
  return true;
}

void Window::setText(Value id, std::string value) {
  std::string& slot = texts_[index(id)];
  if (slot != value) {
    slot = std::move(value);
    changedTexts_.set(index(id));
  }
}

void Window::setLineEnd(Pointer id, float x2, float y2) {
  Line& l = lines_[index(id)];
  if (l.x2 != x2 || l.y2 != y2) {
    l.x2 = x2;
    l.y2 = y2;
    changedLines_.set(index(id));
  }
}

std::bitset<kValueCount> Window::takeChangedTexts() {
  return std::exchange(changedTexts_, {});
}

std::bitset<kPointerCount> Window::takeChangedLines() {
  return std::exchange(changedLines_, {});
}

}  // namespace kestrion
