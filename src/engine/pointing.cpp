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

SkewTurn skewTurn(const Window& w) {
  const double skew = leadingNumber(w.text(Value::skew));
  return skew > 0 ? SkewTurn::clockwise : skew < 0 ? SkewTurn::anticlockwise : SkewTurn::none;
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

// The page's figures stay as the window computes them; these say where they
// mean nothing. The rain allowance is judged by the elevation it was worked
// out for, which the C/N page shows beside the options.
void siteWarnings(Pointing& p, const Window& w) {
  p.belowHorizon = leadingNumber(w.text(Value::elevation)) < 0;
  if (p.belowHorizon) {
    p.warnings.emplace_back("The satellite is below the horizon: not visible from this site.");
  }
  if (!w.isSelected(Rain::clearSky) && leadingNumber(w.text(Value::rainElevation)) < 0) {
    p.warnings.emplace_back(
        "The rain allowance is worked out for a negative elevation: it does not apply.");
  }
  const double latitude = leadingNumber(w.text(Input::latitude));
  p.atPole = std::abs(latitude) == 90.0;
  if (p.atPole) {
    p.warnings.emplace_back(latitude > 0 ? "At the North Pole every direction is south: the "
                                           "azimuth is arbitrary, and no declination or magnetic "
                                           "bearing is given."
                                         : "At the South Pole every direction is north: the "
                                           "azimuth is arbitrary, and no declination or magnetic "
                                           "bearing is given.");
  }
}

// The bearing a compass shows for the azimuth as shown.
std::string magneticBearing(const Window& w, double declination) {
  const double bearing =
      kestrion::magneticBearing(leadingNumber(w.text(Value::azimuth)), declination);
  std::string text = doubleText(cutDown(bearing * 100, 2));
  return text == "360" ? "0" : text;
}

void dateWarnings(Pointing& p, const calc::MagneticField& f, calc::CalendarDate date) {
  p.outsideModel = f.cover == calc::DateCover::nearby;
  p.dateNotCovered = f.cover == calc::DateCover::beyond;
  if (p.outsideModel) {
    p.warnings.push_back("The date " + dateText(date) +
                         " lies outside the World Magnetic Model 2025 (2025-01-01 to "
                         "2029-12-31): the declination is less certain.");
  }
  if (p.dateNotCovered) {
    p.warnings.push_back("The magnetic model does not cover this date (" + dateText(date) +
                         "; it serves 2024-01-01 to 2030-12-31): no declination or magnetic "
                         "bearing is given.");
  }
}

}  // namespace

double magneticBearing(double azimuth, double declination) {
  double bearing = std::fmod(azimuth - declination, 360.0);
  if (bearing < 0) {
    bearing += 360.0;
  }
  return bearing < 360.0 ? bearing : 0.0;  // a hair below 0 went up to 360
}

namespace {

std::shared_ptr<const calc::WorldMagneticModel> programModel() {
  static const auto model =
      std::make_shared<const calc::WorldMagneticModel>(calc::magneticDataDirectory());
  return model;
}

}  // namespace

PointingAid::PointingAid() : model_(programModel()) {}

PointingAid::PointingAid(std::string magneticDirectory)
    : model_(std::make_shared<calc::WorldMagneticModel>(std::move(magneticDirectory))) {}

Pointing PointingAid::at(const Window& w, calc::CalendarDate date, int offsetTenths) const {
  Pointing p;
  siteWarnings(p, w);
  p.tiltHundredths = tiltHundredths(w, offsetTenths);
  if (!p.belowHorizon) {
    p.faceTilt = faceTiltText(p.tiltHundredths);
    p.skewTurn = skewTurn(w);
  }
  if (p.atPole) {
    return p;
  }
  const double latitude = leadingNumber(w.text(Input::latitude));
  const double longitude = leadingNumber(w.text(Input::longitude));
  const calc::MagneticResult r = model_->at(latitude, longitude, date);
  if (!r.field) {
    p.warnings.push_back("No magnetic bearing: " + r.error);
    p.noModel = true;
    return p;
  }
  const calc::MagneticField& f = *r.field;
  dateWarnings(p, f, date);
  if (p.dateNotCovered) {
    return p;
  }
  p.declination = f.declination;
  if (!p.belowHorizon) {
    p.magneticAzimuth = magneticBearing(w, f.declination);
  }
  p.weakField = f.weak();
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

namespace {

// YYYY-MM-DD naming a day of the calendar, in any year of four digits.
std::optional<calc::CalendarDate> calendarDay(std::string_view text) {
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

bool inDateYears(calc::CalendarDate date) {
  return date.year >= kFirstDateYear && date.year <= kLastDateYear;
}

}  // namespace

std::optional<calc::CalendarDate> parseDate(std::string_view text) {
  const auto date = calendarDay(text);
  return date && inDateYears(*date) ? date : std::nullopt;
}

std::string dateProblem(std::string_view text) {
  const std::string years = std::to_string(kFirstDateYear) + " to " + std::to_string(kLastDateYear);
  const std::string allowed = "allowed: YYYY-MM-DD, a day of the calendar from " + years;
  if (text.empty()) {
    return "is empty; " + allowed;
  }
  if (const auto date = calendarDay(text); date && !inDateYears(*date)) {
    return "lies outside the years " + years + "; " + allowed;
  }
  return "is not a date; " + allowed;
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
    const bool point = *res.ptr == '.' || *res.ptr == ',';  // 26,5 as latitude:=52,52 takes it
    if (!point || end - res.ptr != 2 || res.ptr[1] < '0' || res.ptr[1] > '9') {
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
