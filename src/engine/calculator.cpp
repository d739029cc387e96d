#include "calculator.h"

#include <cmath>
#include <optional>

#include "calc/checked.h"
#include "calc/procedures.h"
#include "libm/elementary.h"
#include "model/numtext.h"

namespace kestrion {
namespace {

// One procedure run to its end, or to its first faulting step. The catch is
// in the function the steps point at, below the call through the pointer:
// in WebKit's WebAssembly interpreter an exception thrown below an indirect
// call passes every handler above it and reaches the page.
template <void (*Body)(Window&)>
std::optional<FaultKind> guarded(Window& w) {
  try {
    Body(w);
    return std::nullopt;
  } catch (const FloatFault& fault) {
    return fault.kind;
  }
}

struct Step {
  Procedure procedure;
  std::optional<FaultKind> (*run)(Window&);
};

constexpr Step kSystemNoiseFigure{Procedure::systemNoiseFigure, guarded<calc::systemNoiseFigure>};
constexpr Step kDishGain{Procedure::dishGain, guarded<calc::dishGain>};
constexpr Step kFigureOfMerit{Procedure::figureOfMerit, guarded<calc::figureOfMerit>};
constexpr Step kAlignment{Procedure::alignment, guarded<calc::alignment>};
constexpr Step kCarrierToNoise{Procedure::carrierToNoise, guarded<calc::carrierToNoise>};
constexpr Step kRainAttenuation{Procedure::rainAttenuation, guarded<calc::rainAttenuation>};
constexpr Step kNoiseFigureToTemperature{Procedure::noiseFigureToTemperature,
                                         guarded<calc::noiseFigureToTemperature>};
constexpr Step kTemperatureToNoiseFigure{Procedure::temperatureToNoiseFigure,
                                         guarded<calc::temperatureToNoiseFigure>};

// Runs one procedure; a faulting step ends it and becomes the event's outcome.
Outcome run(const Step& step, Window& w) {
  if (const std::optional<FaultKind> kind = step.run(w)) {
    return Fault{step.procedure, *kind};
  }
  return std::nullopt;
}

// Runs procedures in order; the first fault ends the event.
template <typename... Steps>
Outcome runAll(Window& w, const Steps&... steps) {
  Outcome outcome;
  ((outcome = outcome ? outcome : run(steps, w)), ...);
  return outcome;
}

// Copies the elevation onto the C/N page, beside the rain options.
void copyElevation(Window& w) {
  w.setText(Value::rainElevation, w.text(Value::elevation));
}

}  // namespace

Outcome Calculator::load() {
  window_.setFontSize(8);
  window_.setPi(4 * libm::atan(1.0));
  // The C/N runs after the alignment, so the first C/N shown belongs to the
  // distance shown beside it rather than to the description's placeholder.
  return runAll(window_, kSystemNoiseFigure, kFigureOfMerit, kAlignment, kCarrierToNoise,
                kDishGain);
}

Outcome Calculator::sliderMoved(Input id) {
  switch (inputSpec(id).recompute) {
    case Recompute::NoiseFigureToTemperature:
      return runAll(window_, kNoiseFigureToTemperature);
    case Recompute::TemperatureToNoiseFigure:
      return runAll(window_, kTemperatureToNoiseFigure);
    default:
      break;
  }
  const std::int16_t p = window_.slider(id).position;
  window_.setText(valueLabel(id), inputSpec(id).scale == Scale::Tenth
                                      ? singleText(static_cast<float>(p) / 10.0F)
                                      : intText(p));
  if (id == Input::satellite) {
    satelliteName_.clear();
  }
  return recompute(id);
}

Outcome Calculator::enter(Input id, const AngleEntry& entry) {
  window_.setText(valueLabel(id), entry.label);
  window_.moveSlider(id, static_cast<std::int16_t>(entry.thumb));
  if (id == Input::satellite) {
    satelliteName_ = entry.satellite;
  }
  return recompute(id);
}

// What a slider's events run after its value label is written.
Outcome Calculator::recompute(Input id) {
  switch (inputSpec(id).recompute) {
    case Recompute::NoiseFigure:
      return runAll(window_, kSystemNoiseFigure);
    case Recompute::DishGain:
      return runAll(window_, kDishGain);
    case Recompute::FigureOfMerit:
      return runAll(window_, kFigureOfMerit);
    case Recompute::CarrierToNoise:
      return runAll(window_, kCarrierToNoise);
    case Recompute::Alignment:
      if (window_.isSelected(Rain::clearSky)) {
        return runAll(window_, kAlignment, kCarrierToNoise);
      }
      // While it rains, the allowance follows the elevation just computed.
      if (auto fault = runAll(window_, kAlignment)) {
        return fault;
      }
      copyElevation(window_);
      return runAll(window_, kRainAttenuation, kCarrierToNoise);
    default:
      return std::nullopt;
  }
}

Outcome Calculator::selectRain(Rain id) {
  window_.selectRain(id);
  const int rate = kRainOptions[index(id)].rate;
  if (rate == 0) {
    return runAll(window_, kCarrierToNoise);
  }
  return rainRate(rate);
}

// Every rain option shows the elevation its allowance is computed for.
Outcome Calculator::rainRate(int rate) {
  copyElevation(window_);
  window_.setText(Value::rainRate, intText(static_cast<std::int16_t>(rate)));
  return runAll(window_, kRainAttenuation, kCarrierToNoise);
}

}  // namespace kestrion
