// The sun: one exact position, one from the interpolated track, the sun's and
// the shadow's times of a day, and a year's sun outages for a dish of the
// C/N page's size, a small one, and the widest beam the options allow.
#include <benchmark/benchmark.h>

#include "calc/sun_search.h"

namespace {

using namespace kestrion::calc;

// Berlin towards Astra 19.2E, as the alignment page gives it.
const Site kBerlin{52.52, 13.405};
const SkyDirection kAstra{172.71, 29.71};

void onePosition(benchmark::State& state) {
  const UtcTime t = later(utcMidnight({2027, 3, 4}), 0.45);
  for (auto _ : state) {
    benchmark::DoNotOptimize(sunDirection(kBerlin, t));
  }
}
BENCHMARK(onePosition)->Unit(benchmark::kMicrosecond);

void onePositionOnTheTrack(benchmark::State& state) {
  SunTrack track(kBerlin);
  UtcTime t = later(utcMidnight({2027, 3, 4}), 0.45);
  for (auto _ : state) {
    t.days += 1e-6;
    benchmark::DoNotOptimize(track.at(t));
  }
}
BENCHMARK(onePositionOnTheTrack)->Unit(benchmark::kMicrosecond);

void sunAndShadowOfADay(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(sunAndShadow(kBerlin, {2027, 3, 4}, 172.71));
  }
}
BENCHMARK(sunAndShadowOfADay)->Unit(benchmark::kMillisecond);

// The diameter in centimetres and the frequency in GHz.
void outagesOfAYear(benchmark::State& state) {
  const double threshold = outageThreshold(
      beamwidth(static_cast<double>(state.range(0)) / 100, static_cast<double>(state.range(1))));
  std::size_t windows = 0;
  for (auto _ : state) {
    windows = sunOutages(kBerlin, kAstra, threshold, {2027, 1, 1}, 365).windows.size();
  }
  state.counters["windows"] = static_cast<double>(windows);
}
BENCHMARK(outagesOfAYear)
    ->Args({150, 12})
    ->Args({60, 12})
    ->Args({20, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
