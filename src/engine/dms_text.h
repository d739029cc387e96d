// A site's coordinates in degrees, minutes and seconds, for the copied text
// and the job sheet, formed from the value label so that it agrees with the
// decimal degrees the window shows; and degrees east or west as shown beside
// them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "angle_text.h"

namespace kestrion {

// "-33.9247" as a latitude is 33°55'29"S: whole seconds, rounded half away
// from zero, so a site typed in whole seconds comes back as typed. The
// hemisphere in the language's letters. Empty for a label that is no angle
// of the kind.
std::optional<std::string> dmsText(std::string_view label, AngleKind kind,
                                   const CompassLetters& letters = kEnglishLetters);

// "3.78° E": east positive, to fixed decimals, the hemisphere in the
// language's letters; for the declination and the satellites' positions.
std::string eastWestText(double degrees, int decimals,
                         const CompassLetters& letters = kEnglishLetters);

}  // namespace kestrion
