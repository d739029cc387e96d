// The magnetic declination at a site: the World Magnetic Model 2025,
// evaluated by GeographicLib. The model data are read from a folder on first
// use, so nothing is loaded at start-up; a missing or damaged file gives an
// error text, never an exception.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestrion::calc {

struct CalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..days in that month
};

// WMM's decimal year: year + (day of year - 1) / days in that year, so
// 1 January is the whole year. Empty for a date that does not exist.
std::optional<double> wmmDecimalYear(CalendarDate date);

// WMM2025 covers 2025-01-01 up to, not including, 2030-01-01.
inline constexpr double kWmmFirstYear = 2025.0;
inline constexpr double kWmmEndYear = 2030.0;
// A year either side the secular variation still gives a usable value, if a
// less certain one; further out the declination drifts without bound (the
// model's linear terms give 97.6 degrees for 9999).
inline constexpr double kWmmMarginYears = 1.0;

// Where a date lies against the model's years.
enum class DateCover : std::uint8_t {
  within,
  nearby,  // within kWmmMarginYears before or after
  beyond,
};
DateCover dateCover(double decimalYear);

// Below this horizontal intensity a compass needle is unreliable (near the
// magnetic poles).
inline constexpr double kWeakHorizontalNanotesla = 2000.0;

struct MagneticField {
  double declination;  // degrees, east positive
  double horizontal;   // horizontal intensity, nT
  DateCover cover;     // computed whatever it is; the caller judges
  bool weak() const { return horizontal < kWeakHorizontalNanotesla; }
};

struct MagneticResult {
  std::optional<MagneticField> field;  // empty when error says why
  std::string error;
};

// Where the data are looked for: an explicit folder if given, else
// $KESTRION_MAGNETIC_DIR, else the first of installedDir and buildTreeDir
// that holds the model. The two defaults are the caller's (the build knows
// them); both may be empty.
std::string magneticDataDirectory(std::string_view explicitDir, std::string_view installedDir,
                                  std::string_view buildTreeDir);

// As above with this build's folders: share/kestrion/magnetic beside the
// running program's bin folder, else under the configured install prefix,
// and the source tree's assets/magnetic.
std::string magneticDataDirectory(std::string_view explicitDir = {});

inline constexpr const char* kWmmName = "wmm2025";  // wmm2025.wmm and wmm2025.wmm.cof

class WorldMagneticModel {
 public:
  explicit WorldMagneticModel(std::string directory);
  ~WorldMagneticModel();
  WorldMagneticModel(const WorldMagneticModel&) = delete;
  WorldMagneticModel& operator=(const WorldMagneticModel&) = delete;

  // The field at a site on a date, height in metres above the WGS84
  // ellipsoid. The first call loads the data (thread-safe).
  MagneticResult at(double latitude, double longitude, CalendarDate date,
                    double height = 0.0) const;
  MagneticResult atDecimalYear(double latitude, double longitude, double year,
                               double height = 0.0) const;

  // Loads now if not yet loaded; empty text when the model is usable.
  const std::string& loadError() const;
  const std::string& directory() const { return directory_; }

 private:
  struct Loaded;
  std::string directory_;
  std::unique_ptr<Loaded> loaded_;
};

}  // namespace kestrion::calc
