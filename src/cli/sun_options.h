// kestrion-cli's --sun: after the events, one JSON object of the sun in the
// dish's direction, the coming sun outages and an obstacle, instead of the
// state. --date is then the sun's date and --frequency the dish's.
#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <iosfwd>
#include <optional>
#include <string>

#include "session/sun_json.h"

namespace kestrion::cli {

class SunOptions {
 public:
  // Adds --sun and its options but --frequency, which the rain fade owns.
  explicit SunOptions(CLI::App& app);

  [[nodiscard]] bool wanted() const { return wanted_; }
  // The request of the options given, with --frequency's text when given;
  // nothing with one line on err.
  std::optional<SunRequest> request(const std::optional<std::string>& frequency,
                                    std::ostream& err) const;
  // --diameter's text: the dish of --sun and of --multifeed.
  [[nodiscard]] const std::optional<std::string>& diameter() const;
  // Without --sun its options are refused (but --diameter with --multifeed);
  // the exit status.
  int refuseWithout(std::ostream& err, bool multifeed) const;

 private:
  bool wanted_ = false;
  std::array<std::optional<std::string>, 6> texts_;
};

}  // namespace kestrion::cli
