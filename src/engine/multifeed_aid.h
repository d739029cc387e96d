// A second LNB on the dish the alignment page points: the inputs checked,
// one line saying what is wrong and what is allowed, and the figures with
// plain warnings where they need one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/multifeed.h"
#include "engine/angle_text.h"
#include "model/translatable.h"
#include "model/window.h"

namespace kestrion {

enum class DishInput : std::uint8_t { diameter, focalLength };

// Metres; the focal length over the diameter must be one a dish has.
struct DishRange {
  double low;
  double high;
};
inline constexpr DishRange kDiameterRange{0.2, 5};
inline constexpr DishRange kFocalLengthRange{0.1, 5};
inline constexpr DishRange kFocalRatioRange{0.2, 1.5};

// Two LNB bodies side by side need this much between their centres.
inline constexpr double kMinLnbSpacing = 0.040;

// A refusal, said twice: the line kestrion-cli prints, which scripts read,
// and a sentence for the window and the web, translated in the motor
// window's context with %1... its arguments. An unreadable second satellite
// has no sentence: its reading says what was wrong, as typed entry does.
enum class MultifeedInput : std::uint8_t { satellite, diameter, focalLength };
struct MultifeedRefusal {
  MultifeedInput input;
  std::string line;
  const char* sentence = nullptr;
  std::vector<std::string> arguments{};
  std::optional<AngleReading> reading{};
};

inline constexpr const char* kDiameterRefused =
    QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                      "\"%1\" is not taken. Enter the dish's diameter in metres, from %2 to %3.");
inline constexpr const char* kFocalLengthRefused =
    QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                      "\"%1\" is not taken. Enter the focal length in metres, from %2 to %3.");
inline constexpr const char* kFocalRatioRefused =
    QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                      "A focal length of %1 m on a dish of %2 m is no dish's (F/D %3). Enter a "
                      "focal length from %4 to %5 times the diameter; for an offset dish, that of "
                      "the parent paraboloid.");
inline constexpr const char* kSameSatelliteRefused =
    QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                      "\"%1\" is at the main satellite's position, %2. Enter a satellite at "
                      "another position.");
inline constexpr const char* kMultifeedFault = QT_TRANSLATE_NOOP(
    "kestrion::ui::MotorDialog", "No figures for the second LNB: a floating-point fault (%1).");

// The refusal of a length as typed, whichever input it is.
MultifeedRefusal dishLengthRefusal(DishInput input, std::string_view text);

// A length as typed, in metres; empty when it is none or out of range, and
// what is wrong and what is allowed, for a message that names the input and
// the text before it: "is outside the range; allowed: 0.2 to 5 m".
std::optional<double> parseDishLength(DishInput input, std::string_view text);
std::string dishLengthProblem(DishInput input, std::string_view text);
// What is wrong with a dish whose lengths are each in range, if anything.
std::optional<MultifeedRefusal> focalRatioProblem(const calc::Dish& dish);

struct MultifeedAid {
  std::string secondName;  // as listed, when it was named
  double secondPosition;   // degrees, east positive
  calc::Multifeed figures;
  bool tooClose;
  bool secondBelowHorizon;
  std::vector<std::string> warnings;  // plain sentences
};

// The second satellite by name or position, as typed entry takes it, and a
// dish whose lengths are in range: the figures, or what is wrong and what is
// allowed.
std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(const Window& w, std::string_view second,
                                                          const calc::Dish& dish,
                                                          const SatelliteLookup& lookup);

}  // namespace kestrion
