// kestrion-cli's rain-fade options: with --rain-fade a pure calculation that
// prints one JSON object; without it they set the session's rain fade, which
// the state then shows as "rainFade".
#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "session/session.h"

namespace kestrion::cli {

// --help's paragraph on the rain-fade events.
std::string rainFadeEventsHelp();

class RainFadeOptions {
 public:
  // Adds --rain-fade and one option per input to the app.
  explicit RainFadeOptions(CLI::App& app);

  [[nodiscard]] bool pure() const { return pure_; }
  // --rain-fade: prints the object or one line on err; the exit status.
  int runPure(bool eventsGiven, std::ostream& out, std::ostream& err) const;
  // Without it: sets the inputs given on the session; the exit status.
  int applyTo(Session& session, std::ostream& err) const;
  // --sun takes --frequency's text as the dish's; the others refused, with
  // the exit status.
  [[nodiscard]] std::optional<std::string> frequencyText() const;
  int refuseWithSun(std::ostream& err) const;

 private:
  // The texts given, by field; percents joined by commas.
  [[nodiscard]] std::string textOf(RainFadeField field) const;
  [[nodiscard]] bool given(RainFadeField field) const;

  bool pure_ = false;
  std::array<std::vector<std::string>, kRainFadeFieldCount> texts_;
};

}  // namespace kestrion::cli
