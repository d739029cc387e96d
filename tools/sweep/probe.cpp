#include "probe.h"

#include <cfenv>
#include <cmath>

#include "bounds.h"
#include "calc/checked.h"
#include "calc/steps.h"
#include "model/numtext.h"
#include "number_form.h"

namespace kestrion::sweep {
namespace {

constexpr int kFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

double valueOf(const std::string& text) {
  return wholeNumber(text).value_or(NAN);
}

std::string labelFor(Input id, int position) {
  return inputSpec(id).scale == Scale::Tenth ? singleText(static_cast<float>(position) / 10.0F)
                                             : intText(static_cast<std::int16_t>(position));
}

constexpr int kNoiseFigurePage = 0;
constexpr int kConverterPage = 1;
constexpr int kAlignmentPage = 4;
constexpr int kCarrierToNoisePage = 5;

bool isConverter(Input id) {
  return inputSpec(id).page == kConverterPage;
}

// Pointer lengths, twips: compass 700, elevation 1200, polarization 200.
constexpr std::array<double, kPointerCount> kPointerLength{200, 700, 1200};

}  // namespace

void Findings::add(const std::string& kind, const std::string& state) {
  auto& list = examples[kind];
  if (++counts[kind] <= kExamples) {
    list.push_back(state);
  }
}

void Findings::merge(const Findings& other) {
  events += other.events;
  maxDistance = std::max(maxDistance, other.maxDistance);
  for (const auto& [kind, n] : other.counts) {
    counts[kind] += n;
    auto& list = examples[kind];
    for (const auto& e : other.examples.at(kind)) {
      if (list.size() < kExamples) {
        list.push_back(e);
      }
    }
  }
}

std::uint64_t Findings::total() const {
  std::uint64_t n = 0;
  for (const auto& [kind, count] : counts) {
    if (!isNote(kind)) {
      n += count;
    }
  }
  return n;
}

Probe::Probe() {
  if (const Outcome fault = calculator_.load()) {
    findings_.add("start-up fault: " + describe(*fault), state());
  }
  window().takeChangedTexts();
  window().takeChangedLines();
}

void Probe::move(Input id, int position, SliderEvent event) {
  if (!window().moveSlider(id, static_cast<std::int16_t>(position))) {
    findings_.add("sweep error: position outside the slider's range",
                  std::string(name(id)) + "=" + std::to_string(position));
    return;
  }
  lastEvent_.clear();
  lastEvent_.append(name(id)).append(event == SliderEvent::Change ? "=" : "~");
  lastEvent_.append(std::to_string(position));
  this->event([&] { return calculator_.sliderMoved(id); }, &id, nullptr);
}

void Probe::click(Rain id) {
  lastEvent_.assign(name(id));
  this->event([&] { return calculator_.selectRain(id); }, nullptr, &id);
}

void Probe::put(Value id, const std::string& text) {
  window().setText(id, text);
  window().takeChangedTexts();
}

void Probe::claim(bool holds, const std::string& kind) {
  if (!holds) {
    findings_.add(kind, state());
  }
}

template <typename Raise>
void Probe::event(Raise raise, Input const* moved, Rain const* clicked) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const Outcome outcome = raise();
  const int flags = std::fetestexcept(kFlags);
  ++findings_.events;
  if (outcome) {
    findings_.add("fault: " + describe(*outcome), state());
  }
  if ((flags & FE_INVALID) != 0) {
    findings_.add("FE_INVALID raised", state());
  }
  if ((flags & FE_DIVBYZERO) != 0) {
    findings_.add("FE_DIVBYZERO raised", state());
  }
  if ((flags & FE_OVERFLOW) != 0) {
    findings_.add("FE_OVERFLOW raised", state());
  }
  checkTexts(window().takeChangedTexts().to_ullong(), moved);
  checkLines(window().takeChangedLines().to_ullong());
  if (!outcome) {
    try {
      checkSteps(moved, clicked);
    } catch (const FloatFault& fault) {
      findings_.add(std::string("steps fault: ") + name(fault.kind), state());
    }
  }
}

void Probe::checkTexts(std::uint64_t changed, Input const* moved) {
  for (std::size_t i = 0; i < kValueCount; ++i) {
    if ((changed >> i & 1U) == 0) {
      continue;
    }
    const auto id = static_cast<Value>(i);
    const std::string& text = w_.text(id);
    const std::string_view textName = name(id);
    // Built only for a finding: most events break nothing.
    const auto report = [&](std::string_view what) {
      findings_.add(std::string(textName) + ": " + std::string(what),
                    state() + " | " + std::string(textName) + "=\"" + text + "\"");
    };

    if (i < kInputCount) {
      const auto owner = static_cast<Input>(i);
      if (moved != nullptr && *moved == owner) {
        if (text != labelFor(owner, w_.slider(owner).position)) {
          report("value label differs from its position");
        }
        if (const auto problem =
                numberTextProblem(text, inputSpec(owner).scale == Scale::Tenth ? 7 : 15)) {
          report(*problem);
        }
        continue;
      }
      // Only the converter's two labels are written by another slider.
      if (moved == nullptr || !isConverter(*moved) || !isConverter(owner)) {
        report("value label written by another control");
        continue;
      }
    }
    if (id == Value::rainRate) {
      if (text != "5" && text != "10" && text != "50") {
        report("not a rain rate");
      }
      continue;
    }
    if (id == Value::rainElevation || id == Value::shownDistance) {
      const Value source = id == Value::rainElevation ? Value::elevation : Value::distance;
      if (text != w_.text(source)) {
        report("not a copy of " + std::string(name(source)));
      }
      continue;
    }
    if (const auto problem = numberTextProblem(text, 15)) {
      report(*problem);
      continue;
    }
    const double v = valueOf(text);
    // Every value a label shows is 0 or lies in 0.01 .. 10^6 in magnitude.
    if (v != 0 && (std::fabs(v) < 0.01 || std::fabs(v) > 1e6)) {
      report("magnitude outside 0.01..10^6");
    }
    std::optional<Bound> bound = resultBound(id);
    if (id == Value::rainAttenuation) {
      bound = attenuationBound(static_cast<int>(valueOf(w_.text(Value::rainRate))));
    }
    if (!bound) {
      continue;
    }
    const bool inside = v >= bound->lo && (bound->hiIncluded ? v <= bound->hi : v < bound->hi);
    if (!inside) {
      report("outside its derived range");
    }
    if (decimals(text) > bound->decimals) {
      report("more decimals than it is cut down to");
    }
    if (id == Value::distance) {
      if (std::fmod(v, 10) != 0) {
        report("not a whole multiple of 10 km");
      }
      findings_.maxDistance = std::max(findings_.maxDistance, v);
    }
  }
}

void Probe::checkLines(std::uint64_t changed) {
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    if ((changed >> i & 1U) == 0) {
      continue;
    }
    const Line& l = w_.line(static_cast<Pointer>(i));
    const double length = std::hypot(double{l.x2} - l.x1, double{l.y2} - l.y1);
    // Single-precision end points near 6000 twips are good to about 0.0005.
    if (!std::isfinite(length) || std::fabs(length - kPointerLength[i]) > 0.01) {
      findings_.add(std::string(name(static_cast<Pointer>(i))) + ": pointer length wrong",
                    state() + " | length " + std::to_string(length));
    }
  }
}

// The intermediate steps of the procedures the event ran, recomputed from
// the inputs they read.
void Probe::checkSteps(Input const* moved, Rain const* clicked) {
  const int page = moved != nullptr ? inputSpec(*moved).page : kCarrierToNoisePage;
  if (page == kNoiseFigurePage) {
    // t3 and u3 are at least 1: neither stage's noise figure is negative.
    const calc::ChainSteps chain = calc::cascade(calc::chainOf(w_));
    if (chain.ifChain < 0 || chain.chain < 0) {
      findings_.add("ber: a stage noise figure below 0", state());
    }
  }
  const bool rains = !w_.isSelected(Rain::clearSky);
  const bool rainRan = rains && (clicked != nullptr || page == kAlignmentPage);
  if (rainRan && calc::rainSteps(calc::rainInputsOf(w_)).elevationFactor < 2.8) {
    findings_.add("rain: elevation factor below 2.8", state());
  }
  if (page == kCarrierToNoisePage || page == kAlignmentPage) {
    const calc::LinkSteps f = calc::linkSteps(calc::budgetOf(w_));
    // NF >= 0.1 dB: Te >= 6.75 K; carrier and noise strictly positive.
    if (f.noiseTemperature < 6.75 || !(f.carrier > 0) || !(f.noise > 0)) {
      findings_.add("C/N: noise temperature, carrier or noise out of range", state());
    }
    // The ratio passes through a text too; it obeys the same rules.
    const std::string ratio = doubleText(f.ratio);
    if (const auto problem = numberTextProblem(ratio, 15)) {
      findings_.add("C/N ratio text: " + *problem, state() + " | x=" + ratio);
    }
    // A C/N within 0.001 dB of 0 dB makes x smaller than 0.01, against the
    // rule that rendered values are 0 or at least 0.01. The text still holds
    // 15 significant digits (exponent form below 10^-4, which the leading
    // reading accepts), so the cut-down result is unaffected: noted only.
    const double v = std::fabs(f.ratio);
    if (v != 0 && (v < 0.01 || v > 1e6)) {
      findings_.add(std::string(kNote) + "C/N ratio text: magnitude outside 0.01..10^6",
                    state() + " | x=" + ratio);
    }
  }
}

std::string Probe::state() const {
  std::string s;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const auto id = static_cast<Input>(i);
    if (w_.slider(id).position != inputSpec(id).initial) {
      s.append(name(id)).append("=").append(std::to_string(w_.slider(id).position)).append(" ");
    }
  }
  s.append("option=").append(name(w_.rain()));
  s.append(" rsat=").append(w_.text(Value::distance));
  s.append(" el=").append(w_.text(Value::elevation));
  s.append(" attenuation=").append(w_.text(Value::rainAttenuation));
  s.append(" | after ").append(lastEvent_);
  return s;
}

}  // namespace kestrion::sweep
