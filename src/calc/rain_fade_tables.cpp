// The two tables a rain-fade budget is set from: the rain rate of a climatic
// zone and the C/N a DVB-S2 carrier needs.
#include <array>
#include <utility>

#include "calc/rain_fade.h"

namespace kestrion::calc {
namespace {

// ITU-R P.837-1 (1994), Table 1: rainfall intensity (mm/h) exceeded for
// 0.01 % of the time in each rain climatic zone. The zone maps of that
// edition were replaced by digital maps later; the letters stay in use.
constexpr std::array<std::pair<char, double>, 15> kZones{{
    {'A', 8},
    {'B', 12},
    {'C', 15},
    {'D', 19},
    {'E', 22},
    {'F', 28},
    {'G', 30},
    {'H', 32},
    {'J', 35},
    {'K', 42},
    {'L', 60},
    {'M', 63},
    {'N', 95},
    {'P', 145},
    {'Q', 115},
}};

// ETSI EN 302 307-1 V1.4.1, Table 13: ideal Es/N0 (dB) for quasi-error-free
// reception (packet error rate 1e-7) on an AWGN channel, normal FECFRAME
// (64 800 bits), every modulation and code rate of DVB-S2.
constexpr std::array<std::pair<std::string_view, double>, 28> kModcods{{
    {"QPSK 1/4", -2.35},   {"QPSK 1/3", -1.24},   {"QPSK 2/5", -0.30},    {"QPSK 1/2", 1.00},
    {"QPSK 3/5", 2.23},    {"QPSK 2/3", 3.10},    {"QPSK 3/4", 4.03},     {"QPSK 4/5", 4.68},
    {"QPSK 5/6", 5.18},    {"QPSK 8/9", 6.20},    {"QPSK 9/10", 6.42},    {"8PSK 3/5", 5.50},
    {"8PSK 2/3", 6.62},    {"8PSK 3/4", 7.91},    {"8PSK 5/6", 9.35},     {"8PSK 8/9", 10.69},
    {"8PSK 9/10", 10.98},  {"16APSK 2/3", 8.97},  {"16APSK 3/4", 10.21},  {"16APSK 4/5", 11.03},
    {"16APSK 5/6", 11.61}, {"16APSK 8/9", 12.89}, {"16APSK 9/10", 13.13}, {"32APSK 3/4", 12.73},
    {"32APSK 4/5", 13.64}, {"32APSK 5/6", 14.28}, {"32APSK 8/9", 15.69},  {"32APSK 9/10", 16.05},
}};

}  // namespace

std::optional<double> zoneRainRate(char zone) {
  for (const auto& [letter, rate] : kZones) {
    if (letter == zone) {
      return rate;
    }
  }
  return std::nullopt;
}

std::string rainZones() {
  std::string letters;
  for (const auto& zone : kZones) {
    letters += zone.first;
  }
  return letters;
}

std::optional<double> modcodEsN0(std::string_view name) {
  for (const auto& [modcod, esn0] : kModcods) {
    if (modcod == name) {
      return esn0;
    }
  }
  return std::nullopt;
}

std::string_view modcodName(std::size_t index) {
  return kModcods.at(index).first;
}

std::size_t modcodCount() {
  return kModcods.size();
}

}  // namespace kestrion::calc
