// The sun in the phone's sky: its direction from the session's site at an
// instant, for the calibration on the sun, and its path through a day, for
// the sky view. Instants are seconds since 1970-01-01 00:00 UTC without leap
// seconds, as a browser's clock counts them.
#pragma once

#include <string>

#include "session/session.h"

namespace kestrion {

// The first and last instants taken: the span the sun is good for.
inline constexpr double kSunSkyFirst = -2208988800;  // 1900-01-01
inline constexpr double kSunSkyLast = 4133980799;    // 2100-12-31 23:59:59

// {"time", "azimuth", "elevation", "refractedElevation"}: degrees from true
// north and above the horizontal, geometric and with standard refraction.
// Empty when the instant is outside the span or the site is at a pole.
std::string sunAtJson(const Session& session, double unixSeconds);

// The directions every stepMinutes over hours from the instant, as a list of
// the same objects; steps from 1 to 120 minutes and up to 48 hours, else
// empty.
std::string sunPathJson(const Session& session, double unixSeconds, double hours,
                        double stepMinutes);

}  // namespace kestrion
