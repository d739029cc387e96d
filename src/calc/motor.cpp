#include "motor.h"

#include <cmath>
#include <cstdio>

#include "geostationary.h"

namespace kestrion::calc {

double hourAngle(double latitude, double longitude, double satellite) {
  const double d = radians(signedDegrees(satellite - longitude));
  const double r = kGeostationaryRadius;
  return degrees(arctan2(r * libm::sin(d), r * libm::cos(d) - libm::cos(radians(latitude))));
}

MotorTurn motorTurn(double latitude, double longitude, double satellite) {
  const double h = hourAngle(latitude, longitude, satellite);
  if (h > 0) {
    return {h, Turn::east};
  }
  if (h < 0) {
    return {-h, Turn::west};
  }
  return {0, Turn::none};
}

double clockwiseRotation(const MotorTurn& turn, double latitude) {
  const bool south = latitude < 0;
  const bool clockwise = (turn.direction == Turn::east) == south;
  return clockwise ? turn.angle : -turn.angle;
}

GotoCommand gotoAngularPosition(double clockwiseDegrees) {
  // Sixteen times a double is exact, so only the rounding to a whole
  // sixteenth decides; std::round takes ties away from zero.
  const auto sixteenths = static_cast<std::int32_t>(std::round(clockwiseDegrees * 16));
  const auto word = static_cast<std::uint16_t>(sixteenths);
  return {0xE0, 0x31, 0x6E, static_cast<std::uint8_t>(word >> 8),
          static_cast<std::uint8_t>(word & 0xFF)};
}

std::string commandText(const GotoCommand& command) {
  std::string text;
  for (const std::uint8_t byte : command) {
    std::array<char, 4> hex{};
    std::snprintf(hex.data(), hex.size(), "%02X", static_cast<unsigned>(byte));
    text += text.empty() ? "" : " ";
    text += hex.data();
  }
  return text;
}

PolarMount polarMount(double latitude, double offsetAngle) {
  const double phi = radians(std::fabs(latitude));
  const double declination =
      degrees(libm::atan(libm::sin(phi) / (kGeostationaryRadius - libm::cos(phi))));
  const double scale = std::fabs(latitude);
  return {scale, declination, 90 - scale - declination - offsetAngle};
}

bool beyondLimit(const MotorTurn& turn, double limit) {
  return turn.angle > limit;
}

}  // namespace kestrion::calc
