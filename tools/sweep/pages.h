// The sweeps, one per page: each covers the page's input space through the
// window's own events and returns what broke.
#pragma once

#include <cstdint>
#include <string>

#include "probe.h"

namespace kestrion::sweep {

struct Plan {
  int threads = 1;
  std::uint64_t seed = 20240601;
  int alignmentStep = 1;  // every n-th latitude, longitude and satellite
  int rainStep = 5;       // the same under each rain option
  int frequencyStep = 1;  // antenna gain: every n-th frequency
  std::uint64_t randomNoiseFigure = 10'000'000;
  std::uint64_t randomCarrierToNoise = 10'000'000;  // under each option
};

struct PageResult {
  std::string name;
  std::string size;  // what was covered, for the report
  Findings findings;
  double seconds = 0;
};

PageResult sweepAlignment(const Plan& plan);
PageResult sweepNoiseFigure(const Plan& plan);
PageResult sweepConverter(const Plan& plan);
PageResult sweepAntennaGain(const Plan& plan);
PageResult sweepFigureOfMerit(const Plan& plan);
// maxDistance: the largest distance the alignment writes (0: find it here).
PageResult sweepCarrierToNoise(const Plan& plan, double maxDistance);

}  // namespace kestrion::sweep
