// Rain fade on an Earth-space path by the ITU-R method: the specific
// attenuation of ITU-R P.838-3, the attenuation exceeded for p % of an average
// year of ITU-R P.618-14 (section 2.2.1.1), the sky noise the rain adds
// (section 3), and what a C/N margin buys. Beside the C/N page's simple rain
// allowance, which stays as it is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/steps.h"

namespace kestrion::calc {

// The ranges the method is given for.
inline constexpr double kRainMinFrequency = 1;  // GHz
inline constexpr double kRainMaxFrequency = 55;
inline constexpr double kRainMinPercent = 0.001;  // % of an average year
inline constexpr double kRainMaxPercent = 5;

struct RainCoefficients {
  double k;
  double alpha;
};

// k and alpha for a path at the elevation and a polarization tilted tau from
// the horizontal (0 horizontal, 90 vertical, 45 circular); degrees.
RainCoefficients rainCoefficients(double frequency, double elevation, double tilt);

struct RainPath {
  double latitude;       // degrees
  double elevation;      // degrees, above 0
  double frequency;      // GHz
  double tilt;           // degrees
  double stationHeight;  // km above mean sea level
  double rainHeight;     // km above mean sea level
  double rainRate;       // mm/h exceeded for 0.01 % of an average year
};

// What the attenuation for any p needs, worked out once per path.
struct RainFade {
  RainCoefficients coefficients;
  double specificAttenuation;  // dB/km at the 0.01 % rain rate
  double effectivePathLength;  // km
  double attenuation001;       // dB exceeded for 0.01 %; 0 when no rain reaches the path
  double latitude;
  double elevation;
};

RainFade rainFade(const RainPath& path);

// The attenuation in dB exceeded for p % of an average year, p within
// kRainMinPercent..kRainMaxPercent.
double attenuationExceeded(const RainFade& fade, double percent);

// The rise in sky noise temperature, in K, that rain of this attenuation adds.
double rainNoiseTemperature(double attenuation);

// The fall of C/N in dB: the attenuation and the rise of the system noise over
// the clear-sky system temperature (K).
double carrierToNoiseDrop(double attenuation, double clearSkyTemperature);

// The part of an average year a margin holds for.
struct Availability {
  enum class Bound {
    within,   // percent is the availability
    atLeast,  // the margin outlasts even the 0.001 % fade: at least 100 - 0.001 %
    below,    // the margin is used up by the 5 % fade: below 100 - 5 %
  };
  Bound bound;
  double percent;          // of the year the margin holds
  double percentExceeded;  // p: 100 - percent
};

// The availability for a margin against the attenuation alone (no clear-sky
// temperature) or against the C/N drop at that clear-sky system temperature.
Availability availabilityFor(const RainFade& fade, double margin,
                             std::optional<double> clearSkyTemperature = std::nullopt);

// The C/N page's budget in clear sky: the ratio in dB and the system noise
// temperature in K that the rain's noise adds to.
struct ClearSky {
  double carrierToNoise;
  double systemTemperature;
};

ClearSky clearSky(LinkBudget budget);

// The smallest whole-centimetre diameter within the C/N page's range whose
// clear-sky margin over the required C/N covers the C/N drop exceeded for
// 100 - target % of the year; none when even the largest falls short.
std::optional<int> dishForAvailability(LinkBudget budget, const RainFade& fade,
                                       double requiredCarrierToNoise, double targetAvailability);

// R0.01 of the rain climatic zones of the older zone table (ITU-R P.837-1,
// Table 1): A to H, J to N, P and Q.
std::optional<double> zoneRainRate(char zone);
// The zone letters, in the table's order.
std::string rainZones();

// The ideal Es/N0 in dB for quasi-error-free reception of a DVB-S2
// modulation and code rate, named as "8PSK 3/5".
std::optional<double> modcodEsN0(std::string_view name);
// The names in the order of the table.
std::string_view modcodName(std::size_t index);
std::size_t modcodCount();

}  // namespace kestrion::calc
