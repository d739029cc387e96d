#include "cli/sun_options.h"

#include <ostream>

#include "driver.h"

namespace kestrion::cli {
namespace {

std::string help(const SunFieldName& named) {
  const std::string allowed = sunAllowed(named.field);
  switch (named.field) {
    case SunField::days:
      return "sun: the days of outages from the date, " + allowed + " (default 365)";
    case SunField::diameter:
      return "sun and multifeed: the dish's diameter, " + allowed +
             " (--sun's default: the C/N page's dish)";
    case SunField::obstacleHeight:
      return "sun: an obstacle's height, " + allowed + "; with --obstacle-distance";
    case SunField::obstacleDistance:
      return "sun: the obstacle's horizontal distance, " + allowed;
    default:
      return "sun: the clearance wanted over the obstacle, " + allowed + " (default 0)";
  }
}

int refuse(std::ostream& err, const std::string& line) {
  err << "kestrion-cli: " << line << '\n';
  return kExitBadInput;
}

}  // namespace

SunOptions::SunOptions(CLI::App& app) {
  app.add_flag("--sun", wanted_,
               "after the EVENTs print, instead of the state, one JSON object: the times the sun "
               "and a plumb line's shadow stand in the dish's direction on --date, the sun "
               "outages of the satellite for --days, and an obstacle's view; --frequency is "
               "then the dish's (default 12)");
  for (const SunFieldName& named : sunFields()) {
    if (named.field == SunField::frequency) {
      continue;
    }
    auto& text = texts_.at(static_cast<std::size_t>(named.field));
    app.add_option_function<std::string>(
           "--" + std::string(named.name), [&text](const std::string& value) { text = value; },
           help(named))
        ->type_name(std::string(named.value))
        ->allow_extra_args(false);
  }
}

std::optional<SunRequest> SunOptions::request(const std::optional<std::string>& frequency,
                                              std::ostream& err) const {
  SunRequest request;
  for (const SunFieldName& named : sunFields()) {
    const std::optional<std::string>& text = named.field == SunField::frequency
                                                 ? frequency
                                                 : texts_.at(static_cast<std::size_t>(named.field));
    if (!text) {
      continue;
    }
    if (auto problem = setSunOption(request, named.field, *text)) {
      refuse(err, sunRefusal(named.field, *problem));
      return std::nullopt;
    }
  }
  if (auto problem = sunRequestProblem(request)) {
    refuse(err, *problem);
    return std::nullopt;
  }
  return request;
}

const std::optional<std::string>& SunOptions::diameter() const {
  return texts_.at(static_cast<std::size_t>(SunField::diameter));
}

int SunOptions::refuseWithout(std::ostream& err, bool multifeed) const {
  for (const SunFieldName& named : sunFields()) {
    if (multifeed && named.field == SunField::diameter) {
      continue;
    }
    if (named.field != SunField::frequency && texts_.at(static_cast<std::size_t>(named.field))) {
      return refuse(err, "--" + std::string(named.name) + " needs --sun; allowed without it: " +
                             "the window's options and events");
    }
  }
  return 0;
}

}  // namespace kestrion::cli
