#include "fault.h"

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

const char* name(Procedure procedure) {
  switch (procedure) {
    case Procedure::ber:
      return "ber";
    case Procedure::antber:
      return "antber";
    case Procedure::gtber:
      return "gtber";
    case Procedure::AlignmentCalc:
      return "AlignmentCalc";
    case Procedure::CarrierToNoiseCalc:
      return "CarrierToNoiseCalc";
    case Procedure::RainAttenuationCalc:
      return "RainAttenuationCalc";
    case Procedure::NoiseFigureToTemperature:
      return "HScroll5 (noise figure to temperature)";
    case Procedure::TemperatureToNoiseFigure:
      return "HScroll6 (temperature to noise figure)";
  }
  return "procedure";
}

std::string describe(const Fault& fault) {
  return std::string("floating-point fault in ") + name(fault.procedure) + ": " + name(fault.kind);
}

}  // namespace kestrion
