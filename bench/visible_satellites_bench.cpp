// The visible-satellites list at a site: every satellite known by name
// looked at once, with elevation, azimuth, skew, magnetic bearing and the
// motor's turn; then the same with the site's declination worked out by the
// magnetic model first, as a front-end does for a new site.
#include <benchmark/benchmark.h>

#include "calc/magnetic.h"
#include "engine/visible_satellites.h"

namespace {

using namespace kestrion;

const std::vector<Satellite>& satellites() {
  static const std::vector<Satellite> list = readSatelliteDirectory();
  return list;
}

void listWithDeclination(benchmark::State& state) {
  double latitude = 50.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(visibleSatellites(satellites(), latitude, 10.0, 3.2));
  }
  state.counters["satellites"] = static_cast<double>(satellites().size());
}
BENCHMARK(listWithDeclination)->Unit(benchmark::kMicrosecond);

void listWithMagneticModel(benchmark::State& state) {
  const calc::WorldMagneticModel model(calc::magneticDataDirectory());
  model.loadError();  // loaded before timing, as after the first site
  double latitude = 50.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    const calc::MagneticResult r = model.at(latitude, 10.0, {2026, 6, 1});
    std::optional<double> declination;
    if (r.field) {
      declination = r.field->declination;
    }
    benchmark::DoNotOptimize(visibleSatellites(satellites(), latitude, 10.0, declination));
  }
}
BENCHMARK(listWithMagneticModel)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
