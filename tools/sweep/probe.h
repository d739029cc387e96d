// One window driven through events, with every claim checked after each one:
// no floating-point flag raised, no fault reported, every text written a
// valid number text inside its result's range.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator.h"

namespace kestrion::sweep {

// Kinds starting with this break a claim harmlessly (the reason is given
// where they are found); they are reported but do not fail the sweep.
inline constexpr std::string_view kNote = "note: ";
inline bool isNote(std::string_view kind) {
  return kind.starts_with(kNote);
}

// Broken claims, by kind, with the first few states that broke each.
struct Findings {
  static constexpr std::size_t kExamples = 5;
  std::uint64_t events = 0;
  std::map<std::string, std::uint64_t> counts;
  std::map<std::string, std::vector<std::string>> examples;
  double maxDistance = 0;  // largest distance text the alignment wrote

  void add(const std::string& kind, const std::string& state);
  void merge(const Findings& other);
  [[nodiscard]] std::uint64_t total() const;  // notes left out
};

class Probe {
 public:
  Probe();

  // Moves a slider and raises its Change or Scroll event.
  void move(Input id, int position, SliderEvent event = SliderEvent::Change);
  void click(Rain id);
  // Writes a text the way its only writer would (the alignment's distance and
  // elevation), for sweeps that cover a page's inputs without that page.
  void put(Value id, const std::string& text);

  // A claim of the caller's own; `kind` names it in the report.
  void claim(bool holds, const std::string& kind);

  Window& window() { return calculator_.window(); }
  Findings& findings() { return findings_; }

 private:
  template <typename Raise>
  void event(Raise raise, Input const* moved, Rain const* clicked);
  void checkTexts(std::uint64_t changed, Input const* moved);
  void checkLines(std::uint64_t changed);
  void checkSteps(Input const* moved, Rain const* clicked);
  [[nodiscard]] std::string state() const;

  Calculator calculator_;
  const Window& w_ = calculator_.window();
  Findings findings_;
  std::string lastEvent_;
};

}  // namespace kestrion::sweep
