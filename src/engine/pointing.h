// What an installer needs beyond the alignment page's results: the magnetic
// bearing to set on a compass, with the local declination, and the tilt of
// an offset dish's face; and plain warnings where the page's figures mean
// nothing (a satellite below the horizon, a site at a pole). Worked out from
// the texts the page shows, so every figure agrees with what is on screen.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/magnetic.h"
#include "model/window.h"

namespace kestrion {

// The dish's offset angle: 0 to 45 degrees in tenths; 0 for a prime-focus dish.
inline constexpr int kMaxOffsetTenths = 450;

// Which way the LNB turns from upright to the skew shown, as an installer
// sees it from behind the dish looking at the satellite: a positive skew is
// clockwise in both hemispheres.
enum class SkewTurn : std::uint8_t { none, clockwise, anticlockwise };

struct Pointing {
  // Degrees, east positive; empty without the model, for a date it does not
  // cover, and at a pole.
  std::optional<double> declination;
  // As the azimuth: 2 decimals, cut down; 0 <= b < 360. Empty when there is
  // no declination, and while the satellite is below the horizon.
  std::string magneticAzimuth;
  std::string faceTilt;               // "20.75° leans back"; empty below the horizon
  long long tiltHundredths = 0;       // the same, signed, in hundredths of a degree
  std::optional<SkewTurn> skewTurn;   // empty below the horizon
  std::vector<std::string> warnings;  // plain sentences, never empty strings
  // The same warnings as flags, for a view with room for a word or two.
  bool noModel = false;
  bool outsideModel = false;  // a less certain declination, a year either side
  bool weakField = false;
  bool belowHorizon = false;
  bool atPole = false;
  bool dateNotCovered = false;  // further from the model's years: no declination
};

inline constexpr const char* kMagneticModelName = "WMM2025";

// The bearing a compass shows: the azimuth less the declination (east
// positive), 0 <= bearing < 360.
double magneticBearing(double azimuth, double declination);

class PointingAid {
 public:
  // The model of this build's folders (calc::magneticDataDirectory()): one
  // for the whole program, shared by every session (each browser handle),
  // read the first time one needs it.
  PointingAid();
  // The model is read from `magneticDirectory` the first time it is needed.
  explicit PointingAid(std::string magneticDirectory);

  [[nodiscard]] Pointing at(const Window& w, calc::CalendarDate date, int offsetTenths) const;

 private:
  std::shared_ptr<const calc::WorldMagneticModel> model_;
};

// Dates the pointing aids take: the magnetic model gives nothing useful
// outside these years, and a typing slip such as 0226 is caught.
inline constexpr int kFirstDateYear = 1900;
inline constexpr int kLastDateYear = 2100;

// "2026-12-08"; and the reverse, empty for a text that is no such date or
// lies outside kFirstDateYear to kLastDateYear.
std::string dateText(calc::CalendarDate date);
std::optional<calc::CalendarDate> parseDate(std::string_view text);
// What is wrong with a text parseDate refuses, and what is allowed, for a
// message that names the text before it: "is not a date; allowed: ...".
std::string dateProblem(std::string_view text);

// Offset angles as typed: "0" to "45" with at most one decimal, after a
// point or a comma.
std::optional<int> parseOffsetTenths(std::string_view text);
std::string offsetText(int tenths);

}  // namespace kestrion
