#include "engine/multifeed_aid.h"

#include <cmath>
#include <utility>

#include "calc/checked.h"
#include "calc/geostationary.h"
#include "model/echo.h"
#include "model/numtext.h"

namespace kestrion {
namespace {

const DishRange& rangeOf(DishInput input) {
  return input == DishInput::diameter ? kDiameterRange : kFocalLengthRange;
}

std::string rangeText(const DishRange& r) {
  return doubleText(r.low) + " to " + doubleText(r.high);
}

// "19.2E", "5W": a position as the satellites' names give it.
std::string positionText(double position) {
  std::string degrees = doubleText(std::fabs(position));
  if (position == 0) {
    return degrees;
  }
  return degrees + (position < 0 ? "W" : "E");
}

std::string tooCloseWarning(double offset) {
  return "The second LNB sits " + doubleText(std::round(offset * 1000)) +
         " mm from the first, closer than the " + doubleText(kMinLnbSpacing * 1000) +
         " mm two LNB bodies need side by side: use a twin (monoblock) LNB for these "
         "satellites.";
}

// The figures once the inputs are known to be good.
MultifeedAid figuresFor(const Window& w, double position, const std::string& name,
                        const calc::Dish& dish) {
  const double main = leadingNumber(w.text(Input::satellite));
  const double latitude = leadingNumber(w.text(Input::latitude));
  const double longitude = leadingNumber(w.text(Input::longitude));
  MultifeedAid aid{name,
                   position,
                   calc::multifeed(latitude, longitude, main, position, dish),
                   false,
                   !(calc::lookAngles(latitude, longitude, position).elevation > 0),
                   {}};
  aid.tooClose = aid.figures.offset < kMinLnbSpacing;
  if (aid.tooClose) {
    aid.warnings.push_back(tooCloseWarning(aid.figures.offset));
  }
  if (aid.secondBelowHorizon) {
    aid.warnings.emplace_back(
        "The second satellite is below the horizon: not visible from this site.");
  }
  return aid;
}

}  // namespace

std::optional<double> parseDishLength(DishInput input, std::string_view text) {
  const auto value = wholeNumber(text);
  const DishRange& r = rangeOf(input);
  if (!value || !(*value >= r.low && *value <= r.high)) {
    return std::nullopt;
  }
  return *value;
}

std::string dishLengthProblem(DishInput input, std::string_view text) {
  const std::string allowed = "allowed: " + rangeText(rangeOf(input)) + " m";
  const auto value = wholeNumber(text);
  if (!value || !std::isfinite(*value)) {
    return "is not a number; " + allowed;
  }
  return "is outside the range; " + allowed;
}

MultifeedRefusal dishLengthRefusal(DishInput input, std::string_view text) {
  const bool diameter = input == DishInput::diameter;
  const DishRange& r = rangeOf(input);
  return {diameter ? MultifeedInput::diameter : MultifeedInput::focalLength,
          std::string(diameter ? "diameter " : "focal length ") + quotedText(text) + " " +
              dishLengthProblem(input, text),
          diameter ? kDiameterRefused : kFocalLengthRefused,
          {echoedText(text), doubleText(r.low), doubleText(r.high)}};
}

std::optional<MultifeedRefusal> focalRatioProblem(const calc::Dish& dish) {
  const double ratio = dish.focalLength / dish.diameter;
  if (ratio >= kFocalRatioRange.low && ratio <= kFocalRatioRange.high) {
    return std::nullopt;
  }
  const std::string shownRatio = doubleText(std::round(ratio * 100) / 100);
  return MultifeedRefusal{MultifeedInput::focalLength,
                          "a focal length of " + doubleText(dish.focalLength) + " m on a dish of " +
                              doubleText(dish.diameter) + " m is no dish's (F/D " + shownRatio +
                              "); allowed: F/D " + rangeText(kFocalRatioRange) +
                              ", with the parent paraboloid's focal length for an offset dish",
                          kFocalRatioRefused,
                          {doubleText(dish.focalLength), doubleText(dish.diameter), shownRatio,
                           doubleText(kFocalRatioRange.low), doubleText(kFocalRatioRange.high)}};
}

std::variant<MultifeedAid, MultifeedRefusal> multifeedAid(const Window& w, std::string_view second,
                                                          const calc::Dish& dish,
                                                          const SatelliteLookup& lookup) {
  const AngleReading reading = readAngle(second, AngleKind::Satellite, lookup);
  if (!reading.entry) {
    return MultifeedRefusal{MultifeedInput::satellite,
                            "second satellite " + quotedText(second) + ": " +
                                angleProblemText(reading, AngleKind::Satellite),
                            nullptr,
                            {},
                            reading};
  }
  const double main = leadingNumber(w.text(Input::satellite));
  if (std::llround(main * 10000) == reading.entry->tenThousandths) {
    return MultifeedRefusal{MultifeedInput::satellite,
                            "the second satellite is at the main satellite's position, " +
                                positionText(main) + "; allowed: a satellite at another position",
                            kSameSatelliteRefused,
                            {echoedText(second), positionText(main)}};
  }
  for (const auto& [input, length] : {std::pair{DishInput::diameter, dish.diameter},
                                      std::pair{DishInput::focalLength, dish.focalLength}}) {
    const DishRange& r = rangeOf(input);
    if (!(length >= r.low && length <= r.high)) {
      MultifeedRefusal refusal = dishLengthRefusal(input, doubleText(length));
      refusal.line = std::string(input == DishInput::diameter ? "diameter " : "focal length ") +
                     doubleText(length) + " m is outside the range; allowed: " + rangeText(r) +
                     " m";
      return refusal;
    }
  }
  if (auto problem = focalRatioProblem(dish)) {
    return std::move(*problem);
  }
  try {
    return figuresFor(w, reading.entry->value, reading.entry->satellite, dish);
  } catch (const FloatFault& fault) {
    return MultifeedRefusal{
        MultifeedInput::satellite,
        std::string("no multifeed figures: a floating-point fault (") + name(fault.kind) + ")",
        kMultifeedFault,
        {name(fault.kind)}};
  }
}

}  // namespace kestrion
