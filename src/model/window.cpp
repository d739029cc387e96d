#include "window.h"

#include <cmath>
#include <utility>

#include "calc/procedures.h"
#include "checked.h"
#include "numtext.h"

namespace kestrion {
namespace {

// Runs one procedure; a faulting step ends it and becomes the event's outcome.
Outcome run(Procedure procedure, void (*body)(Window&), Window& w) {
  try {
    body(w);
    return std::nullopt;
  } catch (const FloatFault& fault) {
    return Fault{procedure, fault.kind};
  }
}

// Runs procedures in order; the first fault ends the event.
template <typename... Steps>
Outcome runAll(Window& w, Steps... steps) {
  Outcome outcome;
  ((outcome = outcome ? outcome : run(steps.first, steps.second, w)), ...);
  return outcome;
}

constexpr std::pair<Procedure, void (*)(Window&)> kBer{Procedure::ber, calc::ber};
constexpr std::pair<Procedure, void (*)(Window&)> kAntber{Procedure::antber, calc::antber};
constexpr std::pair<Procedure, void (*)(Window&)> kGtber{Procedure::gtber, calc::gtber};
constexpr std::pair<Procedure, void (*)(Window&)> kAlignment{Procedure::AlignmentCalc,
                                                             calc::AlignmentCalc};
constexpr std::pair<Procedure, void (*)(Window&)> kCarrierToNoise{Procedure::CarrierToNoiseCalc,
                                                                  calc::CarrierToNoiseCalc};
constexpr std::pair<Procedure, void (*)(Window&)> kRain{Procedure::RainAttenuationCalc,
                                                        calc::RainAttenuationCalc};
constexpr std::pair<Procedure, void (*)(Window&)> kNfToT{Procedure::NoiseFigureToTemperature,
                                                         calc::noiseFigureToTemperature};
constexpr std::pair<Procedure, void (*)(Window&)> kTToNf{Procedure::TemperatureToNoiseFigure,
                                                         calc::temperatureToNoiseFigure};

// Copies the elevation onto the C/N page, beside the rain options.
void copyElevation(Window& w) {
  w.setText(TextId::cnel, w.text(TextId::el));
}

}  // namespace

Window::Window() {
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderSpec& s = kSliders[i];
    sliders_[i] = {s.initial, s.min, s.max};
    // The description's caption equals what the slider's handler would write.
    texts_[i] = s.scale == Scale::Tenth ? singleText(static_cast<float>(s.initial) / 10.0F)
                                        : intText(s.initial);
  }
  texts_[index(TextId::rsat)] = "38000";
  texts_[index(TextId::rsat2)] = "38000";
  texts_[index(TextId::regntext)] = "Text1";
  texts_[index(TextId::attenuation)] = "Text1";
  lines_[index(LineId::Line6)] = {3960, 4920, 3960, 4680};
  lines_[index(LineId::Line7)] = {1920, 4320, 1920, 3600};
  lines_[index(LineId::Line8)] = {6000, 4200, 6030, 4020};
}

Outcome Window::Form_Load() {
  fields_.fontSize = 8;
  fields_.pi = 4 * std::atan(1.0);
  // The C/N runs after the alignment, so the first C/N shown belongs to the
  // distance shown beside it rather than to the description's placeholder.
  return runAll(*this, kBer, kGtber, kAlignment, kCarrierToNoise, kAntber);
}

Outcome Window::HScroll_Change(SliderId id) {
  return sliderBody(id);
}
Outcome Window::HScroll_Scroll(SliderId id) {
  return sliderBody(id);
}

Outcome Window::raise(SliderId id, SliderEvent event) {
  return event == SliderEvent::Change ? HScroll_Change(id) : HScroll_Scroll(id);
}

bool Window::moveSlider(SliderId id, std::int16_t position) {
  Slider& s = sliders_[index(id)];
  if (position < s.min || position > s.max) {
    return false;
  }
  s.position = position;
  return true;
}

Outcome Window::sliderBody(SliderId id) {
  const SliderSpec& s = sliderSpec(id);
  const std::int16_t p = slider(id).position;
  switch (s.recompute) {
    case Recompute::NfToTemperature:
      return runAll(*this, kNfToT);
    case Recompute::TemperatureToNf:
      return runAll(*this, kTToNf);
    default:
      break;
  }
  setText(valueLabel(id),
          s.scale == Scale::Tenth ? singleText(static_cast<float>(p) / 10.0F) : intText(p));
  switch (s.recompute) {
    case Recompute::NoiseFigure:
      return runAll(*this, kBer);
    case Recompute::AntennaGain:
      return runAll(*this, kAntber);
    case Recompute::FigureOfMerit:
      return runAll(*this, kGtber);
    case Recompute::CarrierToNoise:
      return runAll(*this, kCarrierToNoise);
    case Recompute::Alignment:
      if (option_ == OptionId::rainoff) {
        return runAll(*this, kAlignment, kCarrierToNoise);
      }
      // While it rains, the allowance follows the elevation just computed.
      if (auto fault = runAll(*this, kAlignment)) {
        return fault;
      }
      copyElevation(*this);
      return runAll(*this, kRain, kCarrierToNoise);
    default:
      return std::nullopt;
  }
}

Outcome Window::click(OptionId id) {
  switch (id) {
    case OptionId::rainoff:
      return rainoff_Click();
    case OptionId::Option1:
      return Option1_Click();
    case OptionId::Option2:
      return Option2_Click();
    case OptionId::Option3:
      return Option3_Click();
  }
  return std::nullopt;
}

Outcome Window::rainoff_Click() {
  option_ = OptionId::rainoff;
  return runAll(*this, kCarrierToNoise);
}

Outcome Window::Option1_Click() {
  option_ = OptionId::Option1;
  return rainOption(5);
}

Outcome Window::Option2_Click() {
  option_ = OptionId::Option2;
  return rainOption(10);
}

Outcome Window::Option3_Click() {
  option_ = OptionId::Option3;
  return rainOption(50);
}

// Every rain option shows the elevation its allowance is computed for.
Outcome Window::rainOption(int rate) {
  copyElevation(*this);
  setText(TextId::regntext, intText(static_cast<std::int16_t>(rate)));
  return runAll(*this, kRain, kCarrierToNoise);
}

void Window::setText(TextId id, std::string value) {
  std::string& slot = texts_[index(id)];
  if (slot != value) {
    slot = std::move(value);
    changedTexts_.set(index(id));
  }
}

void Window::setLineEnd(LineId id, float x2, float y2) {
  Line& l = lines_[index(id)];
  if (l.x2 != x2 || l.y2 != y2) {
    l.x2 = x2;
    l.y2 = y2;
    changedLines_.set(index(id));
  }
}

std::bitset<kTextCount> Window::takeChangedTexts() {
  return std::exchange(changedTexts_, {});
}

std::bitset<kLineCount> Window::takeChangedLines() {
  return std::exchange(changedLines_, {});
}

}  // namespace kestrion
