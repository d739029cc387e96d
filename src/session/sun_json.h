// The sun as the installer's reference, as JSON: kestrion-cli --sun's object
// for the session's site, satellite and date. The dish's direction and the
// sun's and shadow's times in it, the coming sun outages for the dish, and
// what an obstacle leaves of the view.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "session/dish_requests.h"
#include "session/session.h"

namespace kestrion {

// --sun's options, each also the name of a field ("days", "obstacle-height").
enum class SunField : std::uint8_t {
  days,
  diameter,
  frequency,
  obstacleHeight,
  obstacleDistance,
  obstacleMargin,
};

struct SunFieldName {
  SunField field;
  std::string_view name;   // the option without "--"
  std::string_view value;  // how --help names the value
  double low;
  double high;
  bool lowExcluded;
  std::string_view unit;  // after the range in what is allowed
};

std::span<const SunFieldName> sunFields();
const SunFieldName& sunField(SunField field);
std::optional<SunField> sunFieldNamed(std::string_view name);
// "1 to 3660 days", "above 0 up to 50000 m".
std::string sunAllowed(SunField field);

// Sets one option from its text; what was wrong and what is allowed when it
// is refused ("\"0\" is outside the range; allowed: 1 to 3660 days"), and
// nothing changes then.
std::optional<std::string> setSunOption(SunRequest& request, SunField field, std::string_view text);
// A refusal as kestrion-cli prints it, one line naming the option:
// "--days \"0\" is outside the range; allowed: 1 to 3660 days".
std::string sunRefusal(SunField field, const std::string& problem);
// What the options lack together: an obstacle's height without its distance
// or the reverse, as a refusal line; nothing when they go together.
std::optional<std::string> sunRequestProblem(const SunRequest& request);

// The figures at the window's site and satellite, the date the session's
// when the request has none.
SunFigures sunFigures(const Window& w, calc::CalendarDate today, const SunRequest& request);
SunFigures sunFigures(const Session& session, const SunRequest& request);

// date; azimuth and elevation, the dish's true direction unrounded;
// sunInDirection and shadowInDirection [{time, elevation}] in the date's UTC
// day; diameter, frequency, beamwidth and threshold (degrees); days,
// sunReachesSatellite and transits [{start, peak, end, separation}] whose
// peak falls in the days from the date; with both obstacle options,
// obstacle {height, distance, margin, elevation, clearance, distanceNeeded}.
// Times "2027-03-04T10:52:56Z", to the second; elevations of the sun to 0.1
// and separations to 0.001 degrees, which is what they are good for; the
// rest at full precision. The site is the alignment page's, at sea level.
std::string sunJson(const Session& session, const SunRequest& request);

}  // namespace kestrion
