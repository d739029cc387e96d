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

// A length as typed, in metres; empty when it is none or out of range, and
// what is wrong and what is allowed, for a message that names the input and
// the text before it: "is outside the range; allowed: 0.2 to 5 m".
std::optional<double> parseDishLength(DishInput input, std::string_view text);
std::string dishLengthProblem(DishInput input, std::string_view text);
// What is wrong with a dish whose lengths are each in range, if anything.
std::optional<std::string> focalRatioProblem(const calc::Dish& dish);

struct MultifeedAid {
  std::string secondName;  // as listed, when it was named
  double secondPosition;   // degrees, east positive
  calc::Multifeed figures;
  bool tooClose;
  bool secondBelowHorizon;
  std::vector<std::string> warnings;  // plain sentences
};

// The second satellite by name or position, as typed entry takes it, and a
// dish whose lengths are in range: the figures, or one line saying what is
// wrong and what is allowed.
std::variant<MultifeedAid, std::string> multifeedAid(const Window& w, std::string_view second,
                                                     const calc::Dish& dish,
                                                     const SatelliteLookup& lookup);

}  // namespace kestrion
