#include "fault.h"

#include <array>

namespace kestrion {

const char* name(FaultKind kind) {
  switch (kind) {
    case FaultKind::InvalidOperation:
      return "invalid operation";
    case FaultKind::DivisionByZero:
      return "division by zero";
    case FaultKind::Overflow:
      return "overflow";
    case FaultKind::NotANumber:
      return "text is not a number";
  }
  return "fault";
}

// The procedures' names in fault reports, as users of kestrion-cli know them.
const char* name(Procedure procedure) {
  static constexpr std::array<const char*, 8> kNames{
      "ber",
      "antber",
      "gtber",
      "AlignmentCalc",
      "CarrierToNoiseCalc",
      "RainAttenuationCalc",
      "HScroll5 (noise figure to temperature)",
      "HScroll6 (temperature to noise figure)",
  };
  return kNames.at(static_cast<std::size_t>(procedure));
}

std::string describe(const Fault& fault) {
  return std::string("floating-point fault in ") + name(fault.procedure) + ": " + name(fault.kind);
}

}  // namespace kestrion
