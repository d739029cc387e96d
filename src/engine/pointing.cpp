#include "pointing.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/numtext.h"

namespace kestrion {
namespace {

// Hundredths of a degree in integers: the elevation is shown with two
// decimals, the offset angle with one, so the difference is exact.
long long tiltHundredths(const Window& w, int offsetTenths) {
  const auto elevation = std::llround(leadingNumber(w.text(Value::elevation)) * 100);
  return elevation - 10LL * offsetTenths;
}

std::string faceTiltText(long long tilt) {
  const std::string degrees = doubleText(static_cast<double>(std::llabs(tilt)) / 100) + "°";
  if (tilt > 0) {
    return degrees + " leans back";
  }
  if (tilt < 0) {
    return degrees + " leans forward";
  }
  return degrees + " upright";
}

}  // namespace

PointingAid::PointingAid(std::string magneticDirectory)
    : model_(std::make_shared<calc::WorldMagneticModel>(std::move(magneticDirectory))) {}

Pointing PointingAid::at(const Window& w, calc::CalendarDate date, int offsetTenths) const {
  Pointing p;
  p.tiltHundredths = tiltHundredths(w, offsetTenths);
  p.faceTilt = faceTiltText(p.tiltHundredths);
  const double latitude = leadingNumber(w.text(Value::latitude));
  const double longitude = leadingNumber(w.text(Value::longitude));
  const calc::MagneticResult r = model_->at(latitude, longitude, date);
  if (!r.field) {
    p.warnings.push_back("No magnetic bearing: " + r.error);
    p.noModel = true;
    return p;
  }
  const calc::MagneticField& f = *r.field;
  p.declination = f.declination;
  // The bearing a compass shows: the azimuth as shown, less the declination.
  double bearing = leadingNumber(w.text(Value::azimuth)) - f.declination;
  bearing = std::fmod(bearing, 360.0);
  if (bearing < 0) {
    bearing += 360.0;
  }
  p.magneticAzimuth = doubleText(cutDown(bearing * 100, 2));
  if (p.magneticAzimuth == "360") {
    p.magneticAzimuth = "0";
  }
  p.outsideModel = !f.inValidity;
  p.weakField = f.weak();
  if (!f.inValidity) {
    p.warnings.push_back("The date " + dateText(date) +
                         " lies outside the World Magnetic Model 2025 (2025-01-01 to "
                         "2029-12-31): the declination is less certain.");
  }
  if (f.weak()) {
    p.warnings.push_back("The horizontal magnetic field here is weak (" +
                         std::to_string(std::lround(f.horizontal)) +
                         " nT, under 2000): a compass is unreliable.");
  }
  return p;
}

std::string dateText(calc::CalendarDate date) {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
  return buf.data();
}

std::optional<calc::CalendarDate> parseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  const auto number = [&](std::size_t from, std::size_t count) -> std::optional<int> {
    int v = 0;
    const auto* first = text.data() + from;
    const auto res = std::from_chars(first, first + count, v);
    if (res.ec != std::errc{} || res.ptr != first + count || *first == '-' || *first == '+') {
      return std::nullopt;
    }
    return v;
  };
  const auto y = number(0, 4);
  const auto m = number(5, 2);
  const auto d = number(8, 2);
  if (!y || !m || !d) {
    return std::nullopt;
  }
  const calc::CalendarDate date{*y, *m, *d};
  if (!calc::wmmDecimalYear(date)) {
    return std::nullopt;
  }
  return date;
}

std::optional<int> parseOffsetTenths(std::string_view text) {
  int whole = 0;
  const auto* end = text.data() + text.size();
  auto res = std::from_chars(text.data(), end, whole);
  if (res.ec != std::errc{} || text.empty() || text.front() == '-' || text.front() == '+') {
    return std::nullopt;
  }
  int tenths = 0;
  if (res.ptr != end) {
    if (*res.ptr != '.' || end - res.ptr != 2 || res.ptr[1] < '0' || res.ptr[1] > '9') {
      return std::nullopt;
    }
    tenths = res.ptr[1] - '0';
  }
  if (whole > kMaxOffsetTenths / 10) {
    return std::nullopt;
  }
  const int value = whole * 10 + tenths;
  if (value > kMaxOffsetTenths) {
    return std::nullopt;
  }
  return value;
}

std::string offsetText(int tenths) {
  return doubleText(tenths / 10.0);
}

}  // namespace kestrion
