#include "pages.h"

#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "bounds.h"
#include "model/numtext.h"

namespace kestrion::sweep {
namespace {

using S = Input;
using Clock = std::chrono::steady_clock;

// Deterministic random numbers from (seed, stream, index), so a state can be
// found again from its index whatever the number of threads.
struct Random {
  std::uint64_t state;
  Random(std::uint64_t seed, std::uint64_t stream, std::uint64_t index)
      : state(seed ^ (stream * 0x9E3779B97F4A7C15ULL) ^ (index * 0xD1B54A32D192ED03ULL)) {}
  std::uint64_t next() {  // splitmix64
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int in(int lo, int hi) {  // lo..hi inclusive; the bias of % is negligible here
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  SliderEvent event() { return (next() & 1U) != 0 ? SliderEvent::Change : SliderEvent::Scroll; }
};

// Splits 0..n-1 into contiguous parts, one thread and one window each.
Findings parallel(int threads, std::size_t n,
                  const std::function<void(Probe&, std::size_t)>& body) {
  const auto parts = static_cast<std::size_t>(std::max(1, threads));
  std::vector<Findings> found(parts);
  std::vector<std::thread> workers;
  for (std::size_t t = 0; t < parts; ++t) {
    workers.emplace_back([&, t] {
      Probe probe;
      for (std::size_t i = n * t / parts; i < n * (t + 1) / parts; ++i) {
        body(probe, i);
      }
      found[t] = probe.findings();
    });
  }
  Findings all;
  for (std::size_t t = 0; t < parts; ++t) {
    workers[t].join();
    all.merge(found[t]);
  }
  return all;
}

std::vector<int> positions(S id, int step = 1) {
  std::vector<int> out;
  for (int p = inputSpec(id).min; p <= inputSpec(id).max; p += step) {
    out.push_back(p);
  }
  return out;
}

template <typename Sweep>
PageResult timed(std::string name, std::string size, Sweep sweep) {
  const auto start = Clock::now();
  PageResult result{std::move(name), std::move(size), sweep(), 0};
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return result;
}

constexpr std::array<S, 9> kNoiseFigureSliders{
    S::antennaTemperature, S::feedLoss,      S::lnbNoiseFigure, S::lnbGain,
    S::cableLoss,          S::ifNoiseFigure, S::ifGain,         S::ifCableLoss,
    S::receiverNoiseFigure};
constexpr std::array<S, 6> kCarrierToNoiseSliders{
    S::eirp,     S::dishDiameter, S::dishEfficiency, S::dishTemperature, S::linkNoiseFigure,
    S::bandwidth};
constexpr std::array<Rain, 3> kRain{Rain::rate5, Rain::rate10, Rain::rate50};

}  // namespace

PageResult sweepAlignment(const Plan& plan) {
  const auto lat = positions(S::latitude, plan.alignmentStep);
  const auto lon = positions(S::longitude, plan.alignmentStep);
  const auto sat = positions(S::satellite, plan.alignmentStep);
  const auto rlat = positions(S::latitude, plan.rainStep);
  const auto rlon = positions(S::longitude, plan.rainStep);
  const auto rsat = positions(S::satellite, plan.rainStep);
  const std::string size = std::to_string(lat.size()) + "x" + std::to_string(lon.size()) + "x" +
                           std::to_string(sat.size()) + " clear sky, " +
                           std::to_string(rlat.size()) + "x" + std::to_string(rlon.size()) + "x" +
                           std::to_string(rsat.size()) + " under each rain option";
  return timed("alignment", size, [&] {
    // Clear sky: one satellite move per state, as a user sweeping the orbit.
    Findings all = parallel(plan.threads, lat.size(), [&](Probe& p, std::size_t i) {
      p.move(S::latitude, lat[i]);
      for (const int lo : lon) {
        p.move(S::longitude, lo, SliderEvent::Scroll);
        for (const int sa : sat) {
          p.move(S::satellite, sa);
        }
      }
    });
    // While it rains every alignment move refreshes cnel, the allowance and
    // the C/N; clicking the option again must then change nothing.
    for (const Rain option : kRain) {
      all.merge(parallel(plan.threads, rlat.size(), [&](Probe& p, std::size_t i) {
        Window& w = p.window();
        p.click(option);
        p.move(S::latitude, rlat[i]);
        for (const int lo : rlon) {
          p.move(S::longitude, lo);
          for (const int sa : rsat) {
            p.move(S::satellite, sa, SliderEvent::Scroll);
            p.claim(w.text(Value::rainElevation) == w.text(Value::elevation),
                    "rain: cnel is not the elevation");
            const std::string attenuation = w.text(Value::rainAttenuation);
            const std::string cn = w.text(Value::carrierToNoise);
            p.click(option);
            p.claim(w.text(Value::rainAttenuation) == attenuation &&
                        w.text(Value::carrierToNoise) == cn,
                    "rain: allowance or C/N did not follow the elevation");
          }
        }
      }));
    }
    return all;
  });
}

PageResult sweepNoiseFigure(const Plan& plan) {
  std::vector<std::pair<S, S>> pairs;
  std::uint64_t single = 0;
  std::uint64_t paired = 0;
  for (std::size_t i = 0; i < kNoiseFigureSliders.size(); ++i) {
    const auto ni = positions(kNoiseFigureSliders[i]).size();
    single += ni;
    for (std::size_t j = i + 1; j < kNoiseFigureSliders.size(); ++j) {
      pairs.emplace_back(kNoiseFigureSliders[i], kNoiseFigureSliders[j]);
      paired += ni * positions(kNoiseFigureSliders[j]).size();
    }
  }
  const std::string size = std::to_string(single) + " single, " + std::to_string(paired) +
                           " pair states, " + std::to_string(plan.randomNoiseFigure) +
                           " random states";
  return timed("system noise figure", size, [&] {
    Findings all = parallel(1, kNoiseFigureSliders.size(), [&](Probe& p, std::size_t i) {
      const S id = kNoiseFigureSliders[i];
      for (const int pos : positions(id)) {
        p.move(id, pos, (pos & 1) != 0 ? SliderEvent::Scroll : SliderEvent::Change);
      }
      p.move(id, inputSpec(id).initial);
    });
    all.merge(parallel(plan.threads, pairs.size(), [&](Probe& p, std::size_t i) {
      const auto [a, b] = pairs[i];
      for (const int pa : positions(a)) {
        p.move(a, pa);
        for (const int pb : positions(b)) {
          p.move(b, pb, SliderEvent::Scroll);
        }
      }
      p.move(a, inputSpec(a).initial);
      p.move(b, inputSpec(b).initial);
    }));
    all.merge(parallel(plan.threads, plan.randomNoiseFigure, [&](Probe& p, std::size_t i) {
      Random r(plan.seed, 1, i);
      for (const S id : kNoiseFigureSliders) {
        p.move(id, r.in(inputSpec(id).min, inputSpec(id).max), r.event());
      }
    }));
    return all;
  });
}

PageResult sweepConverter(const Plan& /*plan*/) {
  return timed("converter", "201 + 10001 positions", [&] {
    Probe p;
    for (const int pos : positions(S::converterNoiseFigure)) {
      p.move(S::converterNoiseFigure, pos);
    }
    // Only at 2610 K does z come out exactly 10 and ln(z) * 1000 / ln(10)
    // fall just short of 1000; everywhere else the shown noise figure is the
    // exact one cut down.
    std::set<int> inexact;
    for (const int pos : positions(S::converterTemperature)) {
      p.move(S::converterTemperature, pos, SliderEvent::Scroll);
      const long double exact =
          std::floor(std::log10(1.0L + static_cast<long double>(pos) / 290) * 1000) / 100;
      if (wholeNumber(p.window().text(Input::converterNoiseFigure)).value_or(-1) !=
          static_cast<double>(exact)) {
        inexact.insert(pos);
      }
    }
    p.claim(inexact == std::set<int>{2610},
            "converter: noise figure not cut down from the exact value");
    return p.findings();
  });
}

PageResult sweepAntennaGain(const Plan& plan) {
  const auto d = positions(S::gainDiameter);
  const auto e = positions(S::gainEfficiency);
  const auto f = positions(S::frequency, plan.frequencyStep);
  const std::string size =
      std::to_string(d.size()) + "x" + std::to_string(e.size()) + "x" + std::to_string(f.size());
  return timed("antenna gain", size, [&] {
    return parallel(plan.threads, d.size(), [&](Probe& p, std::size_t i) {
      p.move(S::gainDiameter, d[i]);
      for (const int ef : e) {
        p.move(S::gainEfficiency, ef, SliderEvent::Scroll);
        for (const int fr : f) {
          p.move(S::frequency, fr);
        }
      }
    });
  });
}

PageResult sweepFigureOfMerit(const Plan& plan) {
  const auto n = positions(S::gtNoiseFigure);
  const auto g = positions(S::gtAntennaGain);
  return timed("G/T", std::to_string(n.size()) + "x" + std::to_string(g.size()), [&] {
    return parallel(plan.threads, n.size(), [&](Probe& p, std::size_t i) {
      p.move(S::gtNoiseFigure, n[i]);
      for (const int gain : g) {
        p.move(S::gtAntennaGain, gain, SliderEvent::Scroll);
      }
    });
  });
}

PageResult sweepCarrierToNoise(const Plan& plan, double maxDistance) {
  // The farthest satellite: on the equator (latitude 0 becomes 0.00001 rad),
  // half a turn away in longitude.
  Probe antipode;
  antipode.move(S::latitude, 0);
  antipode.move(S::longitude, 0);
  antipode.move(S::satellite, 180);
  const double farthest = wholeNumber(antipode.window().text(Value::distance)).value_or(0);
  if (maxDistance == 0) {
    maxDistance = farthest;
  }
  const int steps = static_cast<int>((maxDistance - kNearestDistance) / 10);
  const std::string size = "64 corners and " + std::to_string(plan.randomCarrierToNoise) +
                           " random states under each of the 4 options, distances 35780.." +
                           doubleText(maxDistance);

  // The alignment is the only writer of the distance and the elevation; the
  // sweep writes the texts it can write (whole tens of km, hundredths of a
  // degree) so the page's range is covered without an alignment per state.
  const auto setUp = [](Probe& p, Rain option, int distance, int elevationHundredths) {
    p.put(Value::distance, doubleText(distance));
    p.put(Value::elevation, doubleText(elevationHundredths / 100.0));
    p.click(option);
  };

  return timed("C/N", size, [&] {
    Probe p;
    p.claim(farthest == maxDistance, "alignment: farthest distance not at the antipode");
    for (Rain option : {Rain::clearSky, Rain::rate5, Rain::rate10, Rain::rate50}) {
      for (const int distance :
           {static_cast<int>(kNearestDistance), static_cast<int>(maxDistance)}) {
        for (const int elevation : {-9000, 0, 9000}) {
          setUp(p, option, distance, elevation);
          for (unsigned corner = 0; corner < 64; ++corner) {
            for (std::size_t k = 0; k < kCarrierToNoiseSliders.size(); ++k) {
              const InputSpec& s = inputSpec(kCarrierToNoiseSliders[k]);
              p.move(kCarrierToNoiseSliders[k], (corner >> k & 1U) != 0 ? s.max : s.min);
            }
          }
        }
      }
    }
    Findings all = p.findings();
    for (Rain option : {Rain::clearSky, Rain::rate5, Rain::rate10, Rain::rate50}) {
      all.merge(parallel(plan.threads, plan.randomCarrierToNoise, [&](Probe& q, std::size_t i) {
        Random r(plan.seed, 2 + static_cast<std::uint64_t>(option), i);
        setUp(q, option, static_cast<int>(kNearestDistance) + 10 * r.in(0, steps),
              r.in(-9000, 9000));
        for (const S id : kCarrierToNoiseSliders) {
          q.move(id, r.in(inputSpec(id).min, inputSpec(id).max), r.event());
        }
      }));
    }
    return all;
  });
}

}  // namespace kestrion::sweep
