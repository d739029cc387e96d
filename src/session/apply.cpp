#include "apply.h"

#include <variant>

namespace kestrion {
namespace {

AngleKind angleKind(Input input) {
  for (const TypedEntryKind& entry : kTypedEntries) {
    if (entry.input == input) {
      return entry.kind;
    }
  }
  return AngleKind::Satellite;  // the parser makes typed entries of those inputs only
}

}  // namespace

EventResult applyEvent(Calculator& calculator, const Event& event, const SatelliteLookup& lookup) {
  if (const auto* move = std::get_if<SliderMove>(&event)) {
    calculator.window().moveSlider(move->input, move->position);
    return {std::nullopt, calculator.sliderMoved(move->input)};
  }
  if (const auto* typed = std::get_if<TypedEntry>(&event)) {
    const AngleKind kind = angleKind(typed->input);
    const AngleReading reading = readAngle(typed->text, kind, lookup);
    if (!reading.entry) {
      return {angleProblemText(reading, kind), std::nullopt};
    }
    return {std::nullopt, calculator.enter(typed->input, *reading.entry)};
  }
  return {std::nullopt, calculator.selectRain(std::get<RainClick>(event).option)};
}

RunResult runEvent(Calculator& calculator, std::string_view text, const SatelliteLookup& lookup) {
  const auto parsed = parseEvent(text);
  if (const auto* error = std::get_if<EventError>(&parsed)) {
    return {RunStatus::refused, error->message};
  }
  const EventResult result = applyEvent(calculator, std::get<Event>(parsed), lookup);
  if (result.refusal) {
    return {RunStatus::refused, eventMessage(text, *result.refusal)};
  }
  if (result.outcome) {
    return {RunStatus::fault, eventMessage(text, describe(*result.outcome))};
  }
  return {};
}

}  // namespace kestrion
