// A dish on a motorised polar mount: the motor's turn and its Goto command in
// both hemispheres, the mount's settings, the motor's limit; and the turn and
// the declination offset checked against the alignment page's own azimuth
// and elevation, rotated into the polar mount's frame.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "calc/geostationary.h"
#include "calc/motor.h"
#include "engine/motor_aid.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

using calc::Turn;

constexpr double kDeg = std::numbers::pi / 180;

TEST(Motor, PublishedCheckValues) {
  const calc::MotorTurn turn = calc::motorTurn(45, 0, 30);
  EXPECT_NEAR(turn.angle, 33.37, 0.005);
  EXPECT_EQ(turn.direction, Turn::east);
  EXPECT_NEAR(calc::polarMount(45, 0).declinationOffset, 6.8, 0.05);
}

struct TurnCase {
  double latitude, longitude, satellite;
  double angle;
  Turn direction;
  const char* command;
};

// The mount faces south in the north and north in the south, so a turn east
// is anticlockwise seen from the upper end of the polar axis in the north
// and clockwise in the south; the command counts clockwise positive.
TEST(Motor, TurnAndCommandInBothHemispheres) {
  const TurnCase cases[] = {
      {45, 0, 30, 33.3699, Turn::east, "E0 31 6E FD EA"},
      {-45, 0, 30, 33.3699, Turn::east, "E0 31 6E 02 16"},
      {45, 0, -30, 33.3699, Turn::west, "E0 31 6E 02 16"},
      {-45, 0, -30, 33.3699, Turn::west, "E0 31 6E FD EA"},
      {52.52, 13.4, 19.2, 6.3861, Turn::east, "E0 31 6E FF 9A"},
      {-33.87, 151.21, 156, 5.4762, Turn::east, "E0 31 6E 00 58"},
      {-33.87, 151.21, 140, 12.8036, Turn::west, "E0 31 6E FF 33"},
      {60, 15, -30, 48.2310, Turn::west, "E0 31 6E 03 04"},
      // The equator counts as north; the meridian is no turn at all.
      {0, 0, 30, 34.9692, Turn::east, "E0 31 6E FD D0"},
      {52, 13, 13, 0, Turn::none, "E0 31 6E 00 00"},
      // Longitudes across the date line.
      {-40, 175, -170, 16.9323, Turn::east, "E0 31 6E 01 0F"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latitude << ", " << c.longitude << ", " << c.satellite);
    const calc::MotorTurn turn = calc::motorTurn(c.latitude, c.longitude, c.satellite);
    EXPECT_NEAR(turn.angle, c.angle, 1e-4);
    EXPECT_EQ(turn.direction, c.direction);
    EXPECT_EQ(
        calc::commandText(calc::gotoAngularPosition(calc::clockwiseRotation(turn, c.latitude))),
        c.command);
  }
}

// The note's own examples (16 and 160 degrees, 256 with the nibble 1), whole
// and fractional degrees both ways, and the rounding to 1/16 degree.
TEST(Motor, GotoDataBytes) {
  const std::pair<double, const char*> cases[] = {
      {0, "00 00"},        {16, "01 00"},        {160, "0A 00"},     {256, "10 00"},
      {13, "00 D0"},       {-13, "FF 30"},       {75, "04 B0"},      {-75, "FB 50"},
      {180, "0B 40"},      {-180, "F4 C0"},      {10.5, "00 A8"},    {-0.0625, "FF FF"},
      {10.03125, "00 A1"}, {-10.03125, "FF 5F"},  // ties away from zero
      {10.0312, "00 A0"},  {10.0313, "00 A1"},   {0.03125, "00 01"}, {-0.03124, "00 00"},
  };
  for (const auto& [clockwise, data] : cases) {
    EXPECT_EQ(calc::commandText(calc::gotoAngularPosition(clockwise)),
              std::string("E0 31 6E ") + data)
        << clockwise;
  }
}

TEST(Motor, PolarMountSettings) {
  struct Case {
    double latitude, offsetAngle, scale, declination, dishElevation;
  };
  const Case cases[] = {
      {45, 0, 45, 6.8233, 38.1767},
      {-33.87, 0, 33.87, 5.5015, 50.6285},
      {52, 26.5, 52, 7.4810, 4.0190},
      {0, 0, 0, 0, 90},
  };
  for (const auto& c : cases) {
    const calc::PolarMount m = calc::polarMount(c.latitude, c.offsetAngle);
    EXPECT_EQ(m.latitudeScale, c.scale) << c.latitude;
    EXPECT_NEAR(m.declinationOffset, c.declination, 1e-4) << c.latitude;
    EXPECT_NEAR(m.dishElevation, c.dishElevation, 1e-4) << c.latitude;
  }
}

TEST(Motor, LimitFromTheWindow) {
  struct Case {
    const char* satellite;
    double limit;
    bool beyond;
  };
  // 76.2 degrees west at 60 N 15 E for 57 W, just above the horizon.
  const Case cases[] = {
      {"57W", 75, true}, {"57W", 80, false}, {"19.2E", 1, true}, {"19.2E", 75, false}};
  for (const auto& c : cases) {
    const Calculator w =
        test::after({"latitude:=60", "longitude:=15", std::string("satellite:=") + c.satellite});
    const MotorAid aid = motorAid(w.window(), 0, c.limit);
    EXPECT_EQ(aid.beyondLimit, c.beyond) << c.satellite << " " << c.limit;
    EXPECT_EQ(aid.warnings.size(), c.beyond ? 1U : 0U);
  }
  const Calculator w = test::after({"latitude:=60", "longitude:=15", "satellite:=57W"});
  EXPECT_EQ(motorAid(w.window(), 0).warnings.at(0),
            "The satellite is 76.2° west of the meridian, beyond the motor's limit of 75°: the "
            "motor cannot turn the dish to it.");
}

TEST(Motor, LimitAsTyped) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"75", 75}, {"1", 1},    {"90", 90}, {"62.5", 62.5}, {"0.5", {}},
      {"91", {}}, {"-75", {}}, {"", {}},   {"x", {}}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(parseMotorLimit(text), value) << text;
  }
  EXPECT_EQ(motorLimitProblem("x"),
            "is not a number; allowed: 1 to 90 degrees either side of the meridian");
  EXPECT_EQ(motorLimitProblem("91"),
            "is outside the range; allowed: 1 to 90 degrees either side of the meridian");
}

// The hour angle from the alignment page's azimuth and elevation: the line
// of sight in the site's east-north-up frame turned about the east axis by
// the latitude, into the frame of the polar axis.
double hourAngleFromLook(double latitude, const calc::LookAngles& look) {
  const double a = look.azimuth * kDeg;
  const double e = look.elevation * kDeg;
  const double phi = latitude * kDeg;
  const double east = std::cos(e) * std::sin(a);
  const double north = std::cos(e) * std::cos(a);
  const double up = std::sin(e);
  return std::atan2(east, std::cos(phi) * up - std::sin(phi) * north) / kDeg;
}

double declinationFromLook(double latitude, const calc::LookAngles& look) {
  const double phi = latitude * kDeg;
  return std::asin(std::sin(phi) * std::sin(look.elevation * kDeg) +
                   std::cos(phi) * std::cos(look.elevation * kDeg) *
                       std::cos(look.azimuth * kDeg)) /
         kDeg;
}

TEST(Motor, AgreesWithTheAlignmentRotatedIntoThePolarFrame) {
  std::mt19937 random(27);
  const auto between = [&random](double low, double high) {
    return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
  };
  int north = 0;
  int south = 0;
  for (int i = 0; i < 20000; ++i) {
    const double latitude = between(-80, 80);
    const double longitude = between(-180, 180);
    const double satellite = between(-180, 180);
    const calc::LookAngles look = calc::lookAngles(latitude, longitude, satellite);
    if (look.elevation <= 0) {
      continue;
    }
    (latitude < 0 ? south : north) += 1;
    ASSERT_NEAR(calc::hourAngle(latitude, longitude, satellite), hourAngleFromLook(latitude, look),
                0.01)
        << latitude << ", " << longitude << ", " << satellite;
    // On the meridian the line of sight lies the declination offset off the
    // equator's plane, towards the equator.
    const double offset =
        declinationFromLook(latitude, calc::lookAngles(latitude, longitude, longitude));
    ASSERT_NEAR(-std::copysign(calc::polarMount(latitude, 0).declinationOffset, latitude), offset,
                0.01)
        << latitude;
  }
  EXPECT_GT(north, 2000);
  EXPECT_GT(south, 2000);
}

}  // namespace
}  // namespace kestrion
