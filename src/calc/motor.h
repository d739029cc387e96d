// A dish on a motorised polar mount (a DiSEqC 1.2 or USALS positioner): the
// motor's turn from the mount's meridian position for a satellite, the
// DiSEqC command that drives it there, and the mount's own settings. The
// alignment page's geometry: a spherical Earth, the geostationary radius.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrion::calc {

// Which way the dish swings from the meridian: towards the eastern or the
// western part of the sky, in either hemisphere. None on the meridian.
enum class Turn : std::uint8_t { none, east, west };

struct MotorTurn {
  double angle;  // degrees from the meridian about the polar axis, 0..180
  Turn direction;
};

// The hour angle of the site-to-satellite line, east positive:
// atan2(R sin D, R cos D - cos lat), D the satellite's longitude less the
// site's. Latitude and longitudes in degrees.
double hourAngle(double latitude, double longitude, double satellite);
MotorTurn motorTurn(double latitude, double longitude, double satellite);

// The motor's rotation as the Goto command counts it: clockwise positive,
// seen from the upper end of the polar axis. That end points to the
// celestial pole above the site's horizon, so a turn towards the east is
// anticlockwise in the north and clockwise in the south (where the mount
// faces north). A site on the equator counts as northern.
double clockwiseRotation(const MotorTurn& turn, double latitude);

// DiSEqC "Goto angular position": framing E0 (from the master, no reply),
// address 31 (polar/azimuth positioner), command 6E, two data bytes.
//
// The data follow Eutelsat, "Digital Satellite Equipment Control (DiSEqC):
// Positioner Application Note", Version 1.0, 15 March 1998, section 3.10
// "Goto Angular Position (degrees)": the first byte's high nibble says how
// the rest is read, 0 for the angle itself and F for 256 degrees less (1
// for 256 more, never needed here); the first byte's low nibble counts
// clockwise rotation in 16 degree steps, the second byte's high nibble in
// whole degrees, and its low nibble is a binary fraction, 1/16 degree in its
// least significant bit. Together the two bytes are the clockwise rotation
// in sixteenths of a degree as a 16-bit two's complement number: 13 degrees
// clockwise is 00 D0, 13 anticlockwise FF 30. The note words it for a
// rotation in the horizontal plane counted from north; a polar mount counts
// from its reference, the meridian position.
//
// The rotation is rounded to the nearest 1/16 degree, ties away from zero,
// so a turn east and the same turn west differ only in direction.
using GotoCommand = std::array<std::uint8_t, 5>;
GotoCommand gotoAngularPosition(double clockwiseDegrees);
// "E0 31 6E FD E0": the bytes in hexadecimal capitals, one blank between.
std::string commandText(const GotoCommand& command);

// The mount's settings: its elevation (latitude) scale is the site's
// latitude, without its sign; the declination offset tilts the dish down
// from the polar axis's right angle onto the arc,
// atan(sin|lat| / (R - cos|lat|)); and the dish's elevation on the motor at
// the meridian is 90 - |lat| - offset, less the dish's offset angle.
struct PolarMount {
  double latitudeScale;
  double declinationOffset;
  double dishElevation;
};
PolarMount polarMount(double latitude, double offsetAngle);

// Motors turn this far either side of the meridian unless told otherwise;
// a limit may be set between the two bounds.
inline constexpr double kDefaultMotorLimit = 75;
inline constexpr double kMinMotorLimit = 1;
inline constexpr double kMaxMotorLimit = 90;

bool beyondLimit(const MotorTurn& turn, double limit);

}  // namespace kestrion::calc
