#include "engine/motor_aid.h"

#include <cmath>

#include "model/numtext.h"

namespace kestrion {
namespace {

std::string limitWarning(const calc::MotorTurn& turn, double limit) {
  return "The satellite is " + doubleText(cutDown(turn.angle * 100, 2)) + "° " +
         turnName(turn.direction) + " of the meridian, beyond the motor's limit of " +
         doubleText(limit) + "°: the motor cannot turn the dish to it.";
}

std::string limitRange() {
  return doubleText(calc::kMinMotorLimit) + " to " + doubleText(calc::kMaxMotorLimit);
}

}  // namespace

MotorAid motorAid(const Window& w, int offsetTenths, double limit) {
  const double latitude = leadingNumber(w.text(Input::latitude));
  const calc::MotorTurn turn = calc::motorTurn(latitude, leadingNumber(w.text(Input::longitude)),
                                               leadingNumber(w.text(Input::satellite)));
  MotorAid aid{turn,
               calc::gotoAngularPosition(calc::clockwiseRotation(turn, latitude)),
               calc::polarMount(latitude, offsetTenths / 10.0),
               limit,
               calc::beyondLimit(turn, limit),
               {}};
  if (aid.beyondLimit) {
    aid.warnings.push_back(limitWarning(turn, limit));
  }
  return aid;
}

std::string degreesText(double degrees) {
  return doubleText(cutDown(degrees * 100, 2)) + "°";
}

const char* turnName(calc::Turn turn) {
  switch (turn) {
    case calc::Turn::east:
      return "east";
    case calc::Turn::west:
      return "west";
    default:
      return "none";
  }
}

std::optional<double> parseMotorLimit(std::string_view text) {
  const auto value = wholeNumber(text);
  if (!value || !(*value >= calc::kMinMotorLimit && *value <= calc::kMaxMotorLimit)) {
    return std::nullopt;
  }
  return *value;
}

std::string motorLimitProblem(std::string_view text) {
  const std::string allowed = "allowed: " + limitRange() + " degrees either side of the meridian";
  const auto value = wholeNumber(text);
  if (!value || !std::isfinite(*value)) {
    return "is not a number; " + allowed;
  }
  return "is outside the range; " + allowed;
}

}  // namespace kestrion
