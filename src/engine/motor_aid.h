// What an installer needs for a dish on a motorised polar mount, at the site
// and satellite the alignment page shows: the motor's turn and the DiSEqC
// command for it, the mount's settings, and a warning when the motor cannot
// reach the satellite.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/motor.h"
#include "model/translatable.h"
#include "model/window.h"

namespace kestrion {

struct MotorAid {
  calc::MotorTurn turn;
  calc::GotoCommand command;
  calc::PolarMount mount;
  double limit;
  bool beyondLimit;
  std::vector<std::string> warnings;  // plain sentences
};

// The offset angle in tenths of a degree, as the pointing aids take it.
MotorAid motorAid(const Window& w, int offsetTenths, double limit = calc::kDefaultMotorLimit);

// Degrees as the alignment page shows them: cut down to two decimals, with
// the degree sign.
std::string degreesText(double degrees);

// "east", "west", "none": the direction as the JSON names it.
const char* turnName(calc::Turn turn);

// A motor limit as typed: degrees from kMinMotorLimit to kMaxMotorLimit.
// Empty when it is one, else what is wrong and what is allowed, for a
// message that names the text before it: "is not a number; allowed: ...".
std::optional<double> parseMotorLimit(std::string_view text);
std::string motorLimitProblem(std::string_view text);

// A refused limit as a user reads it, translated in the motor window's
// context: %1 the text as typed, %2 and %3 the range's ends.
inline constexpr const char* kMotorLimitRefused = QT_TRANSLATE_NOOP(
    "kestrion::ui::MotorDialog",
    "\"%1\" is not taken. Enter a number of degrees either side of the meridian from %2 to %3.");

}  // namespace kestrion
