// What a listener hears after a change: each page's results with caption and
// unit, boxes left empty left out, and the alignment page's aids and warnings.
#include <gtest/gtest.h>

#include <string>

#include "session/report.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

struct SpokenCase {
  int page;
  const char* heard;
};

TEST(Report, SpokenResultsOfEachPage) {
  const Calculator w = test::loaded();
  Pointing pointing;
  pointing.declination = -3.5;
  pointing.magneticAzimuth = "183.5";
  pointing.faceTilt = "20.75° leans back";
  pointing.tiltHundredths = 2075;
  pointing.skewTurn = SkewTurn::clockwise;
  pointing.outsideModel = true;
  pointing.weakField = true;
  const ReportState state{w.window(), pointing, {2031, 6, 1}, 0, {}, {}};
  const Report report(state, &untranslated);
  const SpokenCase cases[] = {
      {0, "System Noise Figure, 1.01 dB"},
      // The converter's two boxes each work the other out.
      {1, "Noise Figure, 1 dB. Noise Temperature, 75 K"},
      {2, "Antenna Gain, 39.7 dB"},
      {3, "G/T, 31.2 dB/K"},
      {4,
       "Azimuth angle, 197.19 deg. Polarization angle, 8.4 deg. LNB skew direction, clockwise, "
       "seen from behind the dish looking at the satellite. Elevation angle, 20.75 deg. "
       "Distance to satellite, 39560 km. Magnetic bearing, 183.5 deg. Magnetic declination, "
       "3.50° W. Face tilt, 20.75° leans back. Date outside the magnetic model (2025 to 2029). "
       "Weak magnetic field: a compass is unreliable here."},
      // The rain path's elevation is empty until an event works it out.
      {5, "Distance to satellite, 39560 km. Carrier to Noise, 10.9 dB"},
  };
  for (const SpokenCase& c : cases) {
    EXPECT_EQ(report.spokenResults(c.page), c.heard) << "page " << c.page;
  }
}

}  // namespace
}  // namespace kestrion
