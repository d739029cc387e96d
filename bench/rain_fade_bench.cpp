// The ITU-R rain fade: one attenuation for one path and p, the availability
// a margin buys, and the search for the dish a target needs.
#include <benchmark/benchmark.h>

#include "calc/rain_fade.h"

namespace {

using namespace kestrion::calc;

// London towards a satellite at 31 degrees, 14.25 GHz, horizontal.
const RainPath kPath{51.5, 31.07699124, 14.25, 0, 0.031382984, 2.45273333333333, 26.48052};
// The C/N page's start.
const LinkBudget kBudget{0, 38000, 40, 150, 60, 1, 30, 30};

void oneEvaluation(benchmark::State& state) {
  double p = 0.01;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(attenuationExceeded(rainFade(kPath), p));
  }
}
BENCHMARK(oneEvaluation);

void attenuationOfAFade(benchmark::State& state) {
  const RainFade fade = rainFade(kPath);
  double p = 0.01;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(attenuationExceeded(fade, p));
  }
}
BENCHMARK(attenuationOfAFade);

void availabilityOfAMargin(benchmark::State& state) {
  const RainFade fade = rainFade(kPath);
  for (auto _ : state) {
    benchmark::DoNotOptimize(availabilityFor(fade, 4.5, 150.0));
  }
}
BENCHMARK(availabilityOfAMargin);

void dishForTarget(benchmark::State& state) {
  const RainFade fade = rainFade(kPath);
  for (auto _ : state) {
    benchmark::DoNotOptimize(dishForAvailability(kBudget, fade, 5.5, 99.9));
  }
}
BENCHMARK(dishForTarget);

}  // namespace

BENCHMARK_MAIN();
