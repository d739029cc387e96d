// What a recompute procedure reports when a step faults.
#pragma once

#include <optional>
#include <string>

namespace kestrion {

enum class FaultKind {
  InvalidOperation,
  DivisionByZero,
  Overflow,
  NotANumber,  // the whole-text reading met a text that is no number
};

enum class Procedure {
  systemNoiseFigure,
  dishGain,
  figureOfMerit,
  alignment,
  carrierToNoise,
  rainAttenuation,
  noiseFigureToTemperature,  // the converter's two slider bodies
  temperatureToNoiseFigure,
};

struct Fault {
  Procedure procedure;
  FaultKind kind;
  friend bool operator==(const Fault&, const Fault&) = default;
};

// An event either runs to its end or stops at the first fault.
using Outcome = std::optional<Fault>;

const char* name(FaultKind kind);
const char* name(Procedure procedure);
std::string describe(const Fault& fault);

}  // namespace kestrion
