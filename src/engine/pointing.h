// What an installer needs beyond the alignment page's results: the magnetic
// bearing to set on a compass, with the local declination, and the tilt of
// an offset dish's face. Worked out from the texts the page shows, so every
// figure agrees with what is on screen.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/magnetic.h"
#include "model/window.h"

namespace kestrion {

// The dish's offset angle: 0 to 45 degrees in tenths; 0 for a prime-focus dish.
inline constexpr int kMaxOffsetTenths = 450;

struct Pointing {
  std::optional<double> declination;  // degrees, east positive; empty without the model
  std::string magneticAzimuth;        // as the azimuth: 2 decimals, cut down; 0 <= b < 360
  std::string faceTilt;               // "20.75° leans back"
  long long tiltHundredths = 0;       // the same, signed, in hundredths of a degree
  std::vector<std::string> warnings;  // plain sentences, never empty strings
  // The same warnings as flags, for a view with room for a word or two.
  bool noModel = false;
  bool outsideModel = false;
  bool weakField = false;
};

inline constexpr const char* kMagneticModelName = "WMM2025";

class PointingAid {
 public:
  // The model is read from `magneticDirectory` the first time it is needed.
  explicit PointingAid(std::string magneticDirectory = calc::magneticDataDirectory());

  [[nodiscard]] Pointing at(const Window& w, calc::CalendarDate date, int offsetTenths) const;

 private:
  std::shared_ptr<const calc::WorldMagneticModel> model_;
};

// "2026-12-08"; and the reverse, empty for a text that is no such date.
std::string dateText(calc::CalendarDate date);
std::optional<calc::CalendarDate> parseDate(std::string_view text);

// Offset angles as typed: "0" to "45" with at most one decimal.
std::optional<int> parseOffsetTenths(std::string_view text);
std::string offsetText(int tenths);

}  // namespace kestrion
