// The window's state as one JSON object: texts, slider positions, the selected
// option and the three pointer lines.
#pragma once

#include <string>
#include <string_view>

#include "model/window.h"

namespace kestrion::cli {

// One line of JSON, without the line break.
std::string stateJson(const Window& w, std::string_view event);

}  // namespace kestrion::cli
