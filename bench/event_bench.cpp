// One event through the window model against the same procedure's bare
// arithmetic on plain doubles, without any text conversion. Every event
// alternates between two positions so each one really rewrites its texts.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <tuple>

#include "engine/calculator.h"

namespace {

using kestrion::Calculator;
using kestrion::Input;
using kestrion::Rain;

Calculator loaded() {
  Calculator c;
  c.load();
  return c;
}

void sliderEvent(benchmark::State& state, Input id, std::int16_t a, std::int16_t b) {
  Calculator c = loaded();
  bool flip = false;
  for (auto _ : state) {
    c.window().moveSlider(id, flip ? a : b);
    benchmark::DoNotOptimize(c.sliderMoved(id));
    flip = !flip;
  }
}

void optionEvent(benchmark::State& state) {
  Calculator c = loaded();
  bool flip = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(c.selectRain(flip ? Rain::rate5 : Rain::rate50));
    flip = !flip;
  }
}

// ------------------------------------------------------------- bare formulas
// The same steps in the same order on doubles; results cut down with floor.

double bareNoiseFigure(double a, double c2, double r, double gi, double b, double c1, double gl,
                       double c, double ta) {
  const double ln10 = std::log(10.0);
  const double t1 = std::pow(10, (r + c2) / 10) - 1;
  const double t3 = std::pow(10, a / 10) + t1 / std::pow(10, gi / 10);
  const double ifchain = std::log(t3) * 10 / ln10;
  const double u1 = std::pow(10, (ifchain + c1) / 10) - 1;
  const double u3 = std::pow(10, b / 10 / 10) + u1 / std::pow(10, gl / 10);
  const double chain = c / 10 + std::log(u3) * 10 / ln10;
  const double v = ta / 290 + std::pow(10, chain / 10);
  return std::floor(std::log(v) * 1000 / ln10) / 100;
}

double bareFigureToTemperature(double p) {
  return std::floor((std::pow(10, static_cast<double>(static_cast<float>(p) / 100.0F)) - 1) * 290);
}

double bareTemperatureToFigure(double t) {
  return std::floor(std::log(t / 290 + 1) * 1000 / std::log(10.0)) / 100;
}

double bareGain(double pi, double d, double f, double e) {
  const double x = pi * d * f / 3;
  const double g = std::pow(x, 2) * e / 100;
  return std::floor(std::log(g) * 100 / std::log(10.0)) / 10;
}

double bareFigureOfMerit(double g, double n) {
  const double t = (std::pow(10, n / 100) - 1) * 290;
  return std::floor(std::log(std::pow(10, g / 100) / t) * 100 / std::log(10.0)) / 10;
}

double bareCarrierToNoise(double rain, double d, double eirp, double diameter, double eta,
                          double nf, double ta, double bw) {
  const double flux = std::pow(10, eirp / 10) / 4 / 3.14 / std::pow(d, 2) / std::pow(10, 6);
  const double carrier = eta * (std::pow(diameter, 2) * (3.14 / 40000) * flux) / 100;
  const double te = (std::pow(10, nf / 10 + rain / 10) - 1) * 290;
  const double noise = std::pow(10, 6) * (bw * ((std::pow(10, -23) * 1.38) * (ta + te)));
  return std::floor((std::log(carrier / noise) * 10 / 2.3) * 10) / 10;
}

struct Pointing {
  double el, az, offset, distance;
  float ends[6];
};

Pointing bareAlignment(double latitude, double longitude, double satellite) {
  const double pi = 4 * std::atan(1.0);
  const double site = longitude * pi / 180;
  const double sat = satellite * pi / 180;
  double lat = latitude * pi / 180;
  if (lat == 0) {
    lat = 0.00001;
  }
  const double dLon = site - sat;
  const double x = std::cos(dLon) * std::cos(lat);
  const double beta = std::atan(-x / std::sqrt(-x * x + 1)) + pi / 2;
  const double gamma = std::atan(std::sin(beta) / (6.6166 - std::cos(beta)));
  Pointing p{};
  p.el = std::floor(((pi / 2 - gamma) - beta) * 18000 / pi) / 100;
  const double az = std::floor(std::atan(std::tan(dLon) / std::sin(lat)) * 18000 / pi) / 100;
  p.az = lat < 0 ? (az < 0 ? az + 360 : az) : az + 180;
  p.distance = std::floor(std::sqrt((1 - std::cos(beta)) * 0.43 + 1) * 35786 / 10) * 10;
  p.offset = std::floor(std::atan(std::sin(dLon) / std::tan(lat)) * 10 * 180 / pi) / 10;
  const double a = p.az * pi / 180, e = p.el * pi / 180, o = p.offset * pi / 180;
  p.ends[0] = static_cast<float>(1920 + std::sin(a) * 700);
  p.ends[1] = static_cast<float>(4320 - std::cos(a) * 700);
  p.ends[2] = static_cast<float>(6000 + std::cos(e) * 1200);
  p.ends[3] = static_cast<float>(4200 + std::sin(e) * -1200);
  p.ends[4] = static_cast<float>(3960 + std::sin(o) * 200);
  p.ends[5] = static_cast<float>(4920 + std::cos(o) * 200);
  return p;
}

double bareRain(double rate, double elevation) {
  const double gamma = std::pow(rate, 2) * 0.0004 + rate * 0.02;
  const double t = 90 - elevation;
  double l = 0;
  if (rate == 5) {
    l = (4 - std::pow(t, 2) * 0.0016) + (std::pow(10, -5) * 4.15) * std::pow(t, 3);
  }
  if (rate == 10) {
    l = (3.8 - std::pow(t, 2) * 0.00084) + std::pow(t, 3) * 0.0000266;
  }
  if (rate == 50) {
    l = (std::pow(t, 2) * 0.000097 + 2.8) + std::pow(t, 3) * 0.0000035;
  }
  return l * gamma;
}

// Every input passes through DoNotOptimize so the compiler can fold none of
// the formula; the event reads all of them from texts too.
template <std::size_t N, typename F>
void bare(benchmark::State& state, std::array<double, N> a, std::array<double, N> b, F formula) {
  bool flip = false;
  for (auto _ : state) {
    std::array<double, N> in = flip ? a : b;
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(std::apply(formula, in));
    flip = !flip;
  }
}

using A1 = std::array<double, 1>;
using A2 = std::array<double, 2>;
using A3 = std::array<double, 3>;
using A4 = std::array<double, 4>;
using A8 = std::array<double, 8>;
using A9 = std::array<double, 9>;

void BM_NoiseFigure_Event(benchmark::State& s) {
  sliderEvent(s, Input::lnbNoiseFigure, 7, 12);
}
void BM_NoiseFigure_Bare(benchmark::State& s) {
  bare(s, A9{10, 10, 10, 15, 7, 10, 45, 0, 0}, A9{10, 10, 10, 15, 12, 10, 45, 0, 0},
       bareNoiseFigure);
}

void BM_FigureToTemperature_Event(benchmark::State& s) {
  sliderEvent(s, Input::converterNoiseFigure, 30, 100);
}
void BM_FigureToTemperature_Bare(benchmark::State& s) {
  bare(s, A1{30}, A1{100}, bareFigureToTemperature);
}

void BM_TemperatureToFigure_Event(benchmark::State& s) {
  sliderEvent(s, Input::converterTemperature, 290, 2610);
}
void BM_TemperatureToFigure_Bare(benchmark::State& s) {
  bare(s, A1{290}, A1{2610}, bareTemperatureToFigure);
}

void BM_AntennaGain_Event(benchmark::State& s) {
  sliderEvent(s, Input::frequency, 120, 125);
}
void BM_AntennaGain_Bare(benchmark::State& s) {
  const double pi = 4 * std::atan(1.0);
  bare(s, A4{pi, 10, 12, 60}, A4{pi, 10, 12.5, 60}, bareGain);
}

void BM_FigureOfMerit_Event(benchmark::State& s) {
  sliderEvent(s, Input::gtNoiseFigure, 10, 20);
}
void BM_FigureOfMerit_Bare(benchmark::State& s) {
  bare(s, A2{500, 10}, A2{500, 20}, bareFigureOfMerit);
}

// The alignment sliders also recompute the C/N with the new distance.
void BM_Alignment_Event(benchmark::State& s) {
  sliderEvent(s, Input::latitude, 50, 60);
}
void BM_Alignment_Bare(benchmark::State& s) {
  bare(s, A3{50, 15, 0}, A3{60, 15, 0}, [](double lat, double lon, double sat) {
    const Pointing p = bareAlignment(lat, lon, sat);
    benchmark::DoNotOptimize(p);
    double rest[] = {40, 150, 60, 1, 30, 30};
    benchmark::DoNotOptimize(rest);
    return bareCarrierToNoise(0, p.distance, rest[0], rest[1], rest[2], rest[3], rest[4], rest[5]);
  });
}

void BM_CarrierToNoise_Event(benchmark::State& s) {
  sliderEvent(s, Input::eirp, 40, 45);
}
void BM_CarrierToNoise_Bare(benchmark::State& s) {
  bare(s, A8{0, 39560, 40, 150, 60, 1, 30, 30}, A8{0, 39560, 45, 150, 60, 1, 30, 30},
       bareCarrierToNoise);
}

// A rain option computes the allowance, then the C/N with it.
void BM_RainOption_Event(benchmark::State& s) {
  optionEvent(s);
}
void BM_RainOption_Bare(benchmark::State& s) {
  bare(s, A8{5, 20.75, 40, 150, 60, 1, 30, 30}, A8{50, 20.75, 40, 150, 60, 1, 30, 30},
       [](double rate, double el, double eirp, double diam, double eta, double nf, double ta,
          double bw) {
         return bareCarrierToNoise(bareRain(rate, el), 39560, eirp, diam, eta, nf, ta, bw);
       });
}

BENCHMARK(BM_NoiseFigure_Event);
BENCHMARK(BM_NoiseFigure_Bare);
BENCHMARK(BM_FigureToTemperature_Event);
BENCHMARK(BM_FigureToTemperature_Bare);
BENCHMARK(BM_TemperatureToFigure_Event);
BENCHMARK(BM_TemperatureToFigure_Bare);
BENCHMARK(BM_AntennaGain_Event);
BENCHMARK(BM_AntennaGain_Bare);
BENCHMARK(BM_FigureOfMerit_Event);
BENCHMARK(BM_FigureOfMerit_Bare);
BENCHMARK(BM_Alignment_Event);
BENCHMARK(BM_Alignment_Bare);
BENCHMARK(BM_CarrierToNoise_Event);
BENCHMARK(BM_CarrierToNoise_Bare);
BENCHMARK(BM_RainOption_Event);
BENCHMARK(BM_RainOption_Bare);

}  // namespace

BENCHMARK_MAIN();
