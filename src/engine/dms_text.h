// A site's coordinates in degrees, minutes and seconds, for the copied text
// and the job sheet, formed from the value label so that it agrees with the
// decimal degrees the window shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "angle_text.h"

namespace kestrion {

// "-33.9247" as a latitude is 33°55'28.9"S; seconds to a tenth, rounded half
// away from zero. Empty for a label that is no angle of the kind.
std::optional<std::string> dmsText(std::string_view label, AngleKind kind);

}  // namespace kestrion
