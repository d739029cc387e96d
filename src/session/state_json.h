// The window's state as one JSON object: texts, slider positions, the selected
// option, the three pointer lines, and the pointing aids.
#pragma once

#include <string>
#include <string_view>

#include "engine/motor_aid.h"
#include "engine/pointing.h"
#include "model/window.h"

namespace kestrion {

// The pointing aids and what they were worked out for.
struct PointingState {
  const Pointing& pointing;
  calc::CalendarDate date;
  int offsetTenths;
  // The motor once it is on, else null.
  const MotorAid* motor = nullptr;
};

// One line of JSON, without the line break.
std::string stateJson(const Window& w, std::string_view event, const PointingState& pointing);

}  // namespace kestrion
