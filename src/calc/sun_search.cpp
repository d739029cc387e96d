#include "calc/sun_search.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "libm/elementary.h"

namespace kestrion::calc {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kMinute = 60 * kSecond;

// -180 < result <= 180.
double wrap180(double degrees) {
  double a = std::fmod(degrees, 360.0);
  if (a > 180) {
    a -= 360;
  } else if (a <= -180) {
    a += 360;
  }
  return a;
}

// The sun's azimuth through one UTC day, sampled every few minutes; where it
// turns fast (near the zenith) the steps are halved until each turns by a
// few degrees, so every passage through a target azimuth is seen.
class DirectionSearch {
 public:
  DirectionSearch(const Site& site, const SunOptions& options, UtcTime midnight, double azimuth)
      : track_(site, options), midnight_(midnight), targets_{azimuth, azimuth + 180} {}

  SunAndShadow run() {
    Sample a = sample(0);
    for (int i = 1; i <= kSamples; ++i) {
      const Sample b = sample(i * kSampleDays);
      scan(a, b);
      a = b;
    }
    return {std::move(found_[0]), std::move(found_[1])};
  }

 private:
  static constexpr int kSamples = 240;
  static constexpr double kSampleDays = 1.0 / kSamples;
  static constexpr double kSteadyTurn = 20;  // degrees between samples
  // A turn this fast is the sun passing within about 0.001 degrees of the
  // zenith: its azimuth jumps and it faces no direction in particular.
  static constexpr double kShortestStep = 0.5 * kSecond;

  struct Sample {
    double days;
    SunDirection sun;
  };

  Sample sample(double days) { return {days, track_.at(later(midnight_, days))}; }

  double offTarget(const SunDirection& sun, std::size_t k) const {
    return wrap180(sun.azimuth - targets_[k]);
  }

  void scan(const Sample& a, const Sample& b) {
    if (std::fabs(wrap180(b.sun.azimuth - a.sun.azimuth)) > kSteadyTurn) {
      if (b.days - a.days > kShortestStep) {
        const Sample middle = sample((a.days + b.days) / 2);
        scan(a, middle);
        scan(middle, b);
      }
      return;
    }
    for (std::size_t k = 0; k < targets_.size(); ++k) {
      const double ga = offTarget(a.sun, k);
      const double gb = offTarget(b.sun, k);
      // A turn of a few degrees from within 90 of the target that changes
      // the sign passes the target itself, not its opposite.
      if (std::fabs(ga) < 90 && (ga < 0) != (gb < 0)) {
        passage(a, b, k);
      }
    }
  }

  void passage(Sample a, Sample b, std::size_t k) {
    const bool risingThrough = offTarget(a.sun, k) < 0;
    for (int i = 0; i < 30; ++i) {
      const Sample m = sample((a.days + b.days) / 2);
      ((offTarget(m.sun, k) < 0) == risingThrough ? a : b) = m;
    }
    const Sample at = sample((a.days + b.days) / 2);
    auto& list = found_[k];
    const bool again = !list.empty() && at.days - list.back().time.days < kSecond;
    if (at.sun.elevation > 0 && !again) {
      list.push_back({later(midnight_, at.days), at.sun.elevation});
    }
  }

  SunTrack track_;
  UtcTime midnight_;
  std::array<double, 2> targets_;
  std::array<std::vector<SunAtAzimuth>, 2> found_;
};

// The closest approaches come once a day, when the sun's hour angle is the
// satellite's: each is found from a first look with the Earth's state of the
// day; only where the sun's declination comes near the satellite's is it
// looked at closely. The declination moves at most 0.41 degrees a day, so
// far from the equinoxes whole weeks are passed over.
class OutageSearch {
 public:
  OutageSearch(const Site& site, SkyDirection satellite, double threshold,
               const SunOptions& options, UtcTime from)
      : track_(site, options), from_(from), threshold_(threshold) {
    const double az = satellite.azimuth * ERFA_DD2R;
    const double el = satellite.elevation * ERFA_DD2R;
    satellite_ = {libm::cos(el) * libm::cos(az), libm::cos(el) * libm::sin(az), libm::sin(el)};
    double ha = 0;
    double dec = 0;
    eraAe2hd(az, el, site.latitude * ERFA_DD2R, &ha, &dec);
    hourAngle_ = ha * ERFA_DR2D;
    declination_ = dec * ERFA_DR2D;
  }

  std::vector<OutageWindow> run(int days) {
    std::vector<OutageWindow> windows;
    double guess = firstPassage(-1);
    // The day before came near: the track's nodes are at hand for this one.
    bool near = false;
    while (guess < days + 1) {
      double passage = 0;
      double declination = 0;
      if (near) {
        passage = passageBy(guess, [this](UtcTime t) { return track_.at(t); });
        declination = track_.at(at(passage)).declination;
      } else {
        track_.anchor(at(guess));
        passage = passageBy(guess, [this](UtcTime t) { return track_.roughly(t); });
        declination = track_.roughly(at(passage)).declination;
      }
      const double offBy = std::fabs(declination - declination_) - threshold_ - kDeclinationMargin;
      near = offBy <= 0;
      if (!near) {
        guess = passage + std::max(1.0, std::floor(offBy / kDeclinationRate));
        continue;
      }
      const auto w = windowNear(passage);
      if (w && w->peak.days - from_.days >= 0 && w->peak.days - from_.days < days) {
        windows.push_back(*w);
      }
      guess = passage + 1;
    }
    return windows;
  }

 private:
  static constexpr double kDeclinationRate = 0.42;   // degrees a day, at most
  static constexpr double kDeclinationMargin = 0.5;  // degrees
  static constexpr double kHourAngleRate = 360;      // degrees a day
  static constexpr double kEdgeSlack = 2 * kMinute;
  static constexpr double kEdgeStep = 10 * kMinute;
  static constexpr int kEdgeSteps = 84;  // 14 hours: no window is that long

  UtcTime at(double days) const { return later(from_, days); }

  double hourAngleOff(const SunDirection& sun) const { return wrap180(sun.hourAngle - hourAngle_); }

  double firstPassage(double days) {
    track_.anchor(at(days));
    double ahead = -hourAngleOff(track_.roughly(at(days)));
    if (ahead < 0) {
      ahead += 360;
    }
    return days + ahead / kHourAngleRate;
  }

  // Newton's steps on the hour angle, which grows all but uniformly.
  template <typename Look>
  double passageBy(double guess, Look look) {
    for (int i = 0; i < 8; ++i) {
      const double off = hourAngleOff(look(at(guess)));
      guess -= off / kHourAngleRate;
      if (std::fabs(off) < 1e-6) {
        break;
      }
    }
    return guess;
  }

  double separation(double days) {
    const SunDirection sun = track_.at(at(days));
    const double az = sun.azimuth * ERFA_DD2R;
    const double el = sun.elevation * ERFA_DD2R;
    const std::array<double, 3> u{libm::cos(el) * libm::cos(az), libm::cos(el) * libm::sin(az),
                                  libm::sin(el)};
    const std::array<double, 3>& v = satellite_;
    const double cx = u[1] * v[2] - u[2] * v[1];
    const double cy = u[2] * v[0] - u[0] * v[2];
    const double cz = u[0] * v[1] - u[1] * v[0];
    const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    return libm::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), dot) * ERFA_DR2D;
  }

  // Golden-section search for the closest approach within half an hour of
  // the passage: the separation falls and then rises there.
  std::pair<double, double> closest(double passage) {
    constexpr double kRatio = 0.6180339887498949;
    double a = passage - 30 * kMinute;
    double b = passage + 30 * kMinute;
    double c = b - kRatio * (b - a);
    double d = a + kRatio * (b - a);
    double fc = separation(c);
    double fd = separation(d);
    while (b - a > 0.05 * kSecond) {
      if (fc < fd) {
        b = d;
        d = c;
        fd = fc;
        c = b - kRatio * (b - a);
        fc = separation(c);
      } else {
        a = c;
        c = d;
        fc = fd;
        d = a + kRatio * (b - a);
        fd = separation(d);
      }
    }
    const double peak = (a + b) / 2;
    return {peak, separation(peak)};
  }

  // How long the sun takes from the peak to the threshold, with its
  // declination held: the hour angle at which the triangle of the pole, the
  // sun and the satellite has the threshold for its side.
  double halfLength(double peak) {
    const double sun = track_.at(at(peak)).declination * ERFA_DD2R;
    const double satellite = declination_ * ERFA_DD2R;
    const double c = (libm::cos(threshold_ * ERFA_DD2R) - libm::sin(sun) * libm::sin(satellite)) /
                     (libm::cos(sun) * libm::cos(satellite));
    if (!(c > -1 && c < 1)) {
      return 0;
    }
    return libm::atan2(std::sqrt(1 - c * c), c) * ERFA_DR2D / kHourAngleRate;
  }

  // Where the separation reaches the threshold (direction -1 before the
  // peak, 1 after): bracketed around the first guess, stepping out further
  // while the sun is still inside, then halved down to a hundredth of a
  // second.
  double edge(double peak, double direction, double guess) {
    double inside = peak;
    const double short_ = guess - kEdgeSlack;
    if (short_ > 0 && separation(peak + direction * short_) < threshold_) {
      inside = peak + direction * short_;
    }
    double outside = peak + direction * (guess + kEdgeSlack);
    for (int i = 0; i < kEdgeSteps && separation(outside) < threshold_; ++i) {
      inside = outside;
      outside += direction * kEdgeStep;
    }
    while (std::fabs(outside - inside) > 0.01 * kSecond) {
      const double middle = (inside + outside) / 2;
      (separation(middle) < threshold_ ? inside : outside) = middle;
    }
    return (inside + outside) / 2;
  }

  std::optional<OutageWindow> windowNear(double passage) {
    const auto [peak, closestSeparation] = closest(passage);
    if (closestSeparation >= threshold_) {
      return std::nullopt;
    }
    const double guess = halfLength(peak);
    return OutageWindow{at(edge(peak, -1, guess)), at(peak), at(edge(peak, 1, guess)),
                        closestSeparation};
  }

  SunTrack track_;
  UtcTime from_;
  double threshold_;
  std::array<double, 3> satellite_{};  // north, east, up
  double hourAngle_ = 0;
  double declination_ = 0;
};

}  // namespace

SunAndShadow sunAndShadow(const Site& site, CalendarDate date, double azimuth,
                          const SunOptions& options) {
  if (std::fabs(site.latitude) >= 90) {
    return {};
  }
  return DirectionSearch(site, options, utcMidnight(date), azimuth).run();
}

double beamwidth(double diameter, double frequency) {
  const double wavelength = 0.299792458 / frequency;
  return 70 * wavelength / diameter;
}

OutageForecast sunOutages(const Site& site, SkyDirection satellite, double threshold,
                          CalendarDate from, int days, const SunOptions& options) {
  if (!(satellite.elevation > 0)) {
    return {};
  }
  OutageSearch search(site, satellite, threshold, options, utcMidnight(from));
  return {true, search.run(days)};
}

}  // namespace kestrion::calc
