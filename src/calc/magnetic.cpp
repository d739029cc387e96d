#include "calc/magnetic.h"

#if KESTRION_MAGNETIC_MODEL
#include <GeographicLib/MagneticModel.hpp>
#endif

#include <sys/stat.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <optional>

#ifdef __linux__
#include <unistd.h>
#endif

namespace kestrion::calc {

namespace {

bool leapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && leapYear(y) ? 29 : kDays.at(static_cast<std::size_t>(m - 1));
}

// Files are looked at with POSIX stat, which glibc, mingw-w64 and wasi-libc
// all have (the browser's C++ library has no <filesystem>).
std::optional<std::uintmax_t> regularFileSize(const std::string& path) {
  struct stat s {};
  if (::stat(path.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::uintmax_t>(s.st_size);
}

// A file in a folder, with one '/' between them.
std::string inFolder(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') {
    path += '/';
  }
  return path + std::string(name);
}

bool holdsModel(std::string_view dir) {
  return regularFileSize(inFolder(dir, std::string(kWmmName) + ".wmm")).has_value();
}

// The folder the running program lies in, read from Linux's /proc; empty
// elsewhere and when it cannot be read.
std::string programFolder() {
#ifdef __linux__
  std::string exe(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size());
  if (n > 0 && static_cast<std::size_t>(n) < exe.size()) {
    exe.resize(static_cast<std::size_t>(n));
    return exe.substr(0, exe.find_last_of('/'));
  }
#endif
  return {};
}

// A damaged .cof header could ask GeographicLib for gigabytes; the real file
// is under 3 kB, and the high-resolution variant under 100 kB.
constexpr std::uintmax_t kMaxCoefficientBytes = 1 << 20;

}  // namespace

std::optional<double> wmmDecimalYear(CalendarDate d) {
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
      d.day > daysInMonth(d.year, d.month)) {
    return std::nullopt;
  }
  int dayOfYear = d.day;
  for (int m = 1; m < d.month; ++m) {
    dayOfYear += daysInMonth(d.year, m);
  }
  const double daysInYear = leapYear(d.year) ? 366.0 : 365.0;
  return d.year + (dayOfYear - 1) / daysInYear;
}

std::string magneticDataDirectory(std::string_view explicitDir, std::string_view installedDir,
                                  std::string_view buildTreeDir) {
  if (!explicitDir.empty()) {
    return std::string(explicitDir);
  }
  if (const char* env = std::getenv("KESTRION_MAGNETIC_DIR"); env != nullptr && *env != '\0') {
    return env;
  }
  for (const std::string_view dir : {installedDir, buildTreeDir}) {
    if (!dir.empty() && holdsModel(dir)) {
      return std::string(dir);
    }
  }
  // Neither holds it: name the installed folder, so the error says where the
  // data were expected.
  return std::string(installedDir.empty() ? buildTreeDir : installedDir);
}

std::string magneticDataDirectory(std::string_view explicitDir) {
  // A package may install under another prefix than the build was configured
  // with (the .deb uses /usr): the folder beside the running program comes
  // first.
  if (const std::string bin = programFolder(); !bin.empty()) {
    const std::string besideProgram =
        bin.substr(0, bin.find_last_of('/')) + "/share/kestrion/magnetic";
    if (holdsModel(besideProgram)) {
      return magneticDataDirectory(explicitDir, besideProgram, KESTRION_MAGNETIC_BUILD_DIR);
    }
  }
  return magneticDataDirectory(explicitDir, KESTRION_MAGNETIC_INSTALL_DIR,
                               KESTRION_MAGNETIC_BUILD_DIR);
}

struct WorldMagneticModel::Loaded {
  std::once_flag once;
#if KESTRION_MAGNETIC_MODEL
  std::unique_ptr<GeographicLib::MagneticModel> model;
#endif
  std::string error;
};

WorldMagneticModel::WorldMagneticModel(std::string directory)
    : directory_(std::move(directory)), loaded_(std::make_unique<Loaded>()) {}

WorldMagneticModel::~WorldMagneticModel() = default;

const std::string& WorldMagneticModel::loadError() const {
  std::call_once(loaded_->once, [this] {
    const std::string help =
        " Install Kestrion's magnetic model data there or name their folder in "
        "KESTRION_MAGNETIC_DIR.";
    if (directory_.empty()) {
      loaded_->error = "The magnetic model data were not found: no folder is known." + help;
      return;
    }
    const std::string cof = inFolder(directory_, std::string(kWmmName) + ".wmm.cof");
    if (const auto size = regularFileSize(cof); size && *size > kMaxCoefficientBytes) {
      loaded_->error = "The magnetic model in " + directory_ + " cannot be read: " + cof +
                       " is too large for WMM2025 coefficients." + help;
      return;
    }
#if KESTRION_MAGNETIC_MODEL
    try {
      loaded_->model = std::make_unique<GeographicLib::MagneticModel>(kWmmName, directory_);
    } catch (const std::exception& e) {
      loaded_->error =
          "The magnetic model in " + directory_ + " cannot be read: " + e.what() + "." + help;
    }
#else
    // Built where GeographicLib is missing (the Windows cross build).
    loaded_->error = "This build of Kestrion has no magnetic model.";
#endif
  });
  return loaded_->error;
}

MagneticResult WorldMagneticModel::atDecimalYear(double latitude, double longitude, double year,
                                                 double height) const {
  if (!(latitude >= -90.0 && latitude <= 90.0)) {
    return {std::nullopt, "The latitude for the magnetic model must be from -90 to 90 degrees."};
  }
  if (!(longitude >= -180.0 && longitude <= 180.0)) {
    return {std::nullopt, "The longitude for the magnetic model must be from -180 to 180 degrees."};
  }
  if (!(year >= 1.0 && year < 10000.0)) {
    return {std::nullopt, "The date for the magnetic model must lie in the years 1 to 9999."};
  }
  if (!(std::abs(height) <= 1.0e6)) {
    return {std::nullopt, "The height for the magnetic model must be within 1000 km of sea level."};
  }
  if (const std::string& error = loadError(); !error.empty()) {
    return {std::nullopt, error};
  }
#if KESTRION_MAGNETIC_MODEL
  double east = 0;
  double north = 0;
  double up = 0;
  (*loaded_->model)(year, latitude, longitude, height, east, north, up);
  double h = 0;
  double f = 0;
  double d = 0;
  double i = 0;
  GeographicLib::MagneticModel::FieldComponents(east, north, up, h, f, d, i);
  return {MagneticField{d, h, year >= kWmmFirstYear && year < kWmmEndYear}, {}};
#else
  return {std::nullopt, loadError()};
#endif
}

MagneticResult WorldMagneticModel::at(double latitude, double longitude, CalendarDate date,
                                      double height) const {
  const auto year = wmmDecimalYear(date);
  if (!year) {
    return {std::nullopt, "The date for the magnetic model is not a calendar date (YYYY-MM-DD)."};
  }
  return atDecimalYear(latitude, longitude, *year, height);
}

}  // namespace kestrion::calc
