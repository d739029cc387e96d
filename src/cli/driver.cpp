#include "driver.h"

#include <CLI/CLI.hpp>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>
#include <optional>

#include "cli/rain_fade_options.h"
#include "cli/sun_options.h"
#include "engine/pointing.h"
#include "engine/satellites.h"
#include "product.h"
#include "session/motor_json.h"
#include "session/session.h"
#include "session/sun_json.h"

namespace kestrion::cli {
namespace {

constexpr const char* kProgram = "kestrion-cli";

std::string sliderTable() {
  std::ostringstream s;
  s << "Sliders (HScrollN=P raises Change, HScrollN~P raises Scroll):\n";
  for (const InputSpec& row : kInputs) {
    s << "  " << row.name << std::string(11 - row.name.size(), ' ') << "page " << row.page << " "
      << kPageCaptions[static_cast<std::size_t>(row.page)] << ": " << row.caption << ", unit "
      << row.unit << ", " << (row.scale == Scale::Tenth ? "position / 10" : "position") << ", "
      << row.min << ".." << row.max << " (start " << row.initial << ")\n";
  }
  s << "Options:";
  for (const RainSpec& option : kRainOptions) {
    s << (&option == kRainOptions.data() ? " " : ", ") << option.name << " (\"" << option.caption
      << "\")";
  }
  s << rainFadeEventsHelp();
  s << "\nTyped entries, as the window's editor takes them:\n";
  for (const TypedEntryKind& entry : kTypedEntries) {
    s << "  " << entry.name << ":=TEXT  " << acceptedText(entry.kind) << "\n";
  }
  s << "  Names are those of --satellites; case, blanks, hyphens and the degree sign do not "
       "matter, and the position may be written as above or left out where the name is "
       "unique (Hot Bird 13E, Astra 19.2 E, Astra 1KR).\n"
       "Standard input (-): one event a line; blank lines are skipped, blanks around an event "
       "trimmed, and a UTF-8 byte order mark at the start dropped.\n"
       "The \"pointing\" object: declination (degrees, east positive; null without the "
       "magnetic model, for a date it does not cover, or at a pole), magneticAzimuth (the "
       "bearing to set on a compass; \"\" when there is none or the satellite is below the "
       "horizon), model, date, offsetAngle, faceTilt (the dish face's tilt; \"\" below the "
       "horizon) and warnings (plain sentences: below the horizon, at a pole, the date, a weak "
       "field).\n"
       "The motor: motorLimit:=DEG (or --motor-limit) sets how far the motor turns either side "
       "of the meridian, 1 to 90 degrees (motors commonly turn 75), and turns the motor on: "
       "the pointing object then has motor (angle from the meridian about the polar axis, "
       "direction east or west, and diseqc, the DiSEqC 1.2 Goto angular position command's "
       "bytes), polarMount (latitudeScale, declinationOffset, dishElevation) and a warning when "
       "the satellite is beyond the limit.\n"
       "Exit status: 0 done, 2 bad input (nothing after the bad event runs), "
       "3 floating-point fault.";
  return s.str();
}

// kestrion-cli's output around a session: the states as JSON lines, the
// messages on stderr.
class Printer {
 public:
  Printer(Session& session, bool trace, std::ostream& out, std::ostream& err)
      : session_(session), trace_(trace), out_(out), err_(err) {}

  // Returns 0 to go on, or the exit status that ends the run.
  int load() { return report(session_.load(), "load"); }
  int handle(std::string_view text) { return report(session_.run(text), text); }

  // The EVENTs given, or with "-" those on `in`, one a line; the exit status
  // of the first that ends the run, else 0.
  int handleAll(const std::vector<std::string>& events, std::istream& in) {
    if (events.size() != 1 || events.front() != "-") {
      for (const std::string& event : events) {
        if (const int status = handle(event)) {
          return status;
        }
      }
      return 0;
    }
    std::string line;
    for (bool first = true; std::getline(in, line); first = false) {
      const std::string_view event = scriptLine(line, first);
      if (event.empty()) {
        continue;
      }
      if (const int status = handle(event)) {
        return status;
      }
    }
    return 0;
  }

  void finish() {
    if (!trace_) {
      out_ << session_.stateJson(session_.lastEvent()) << '\n';
    }
    out_.flush();
  }

 private:
  int report(const RunResult& result, std::string_view event) {
    if (result.status != RunStatus::ran) {
      out_.flush();
      err_ << kProgram << ": " << result.message << '\n';
      return static_cast<int>(result.status);
    }
    if (trace_) {
      out_ << session_.stateJson(event) << '\n';
    }
    return 0;
  }

  Session& session_;
  bool trace_;
  std::ostream& out_;
  std::ostream& err_;
};

// What the command line gave, but for the rain fade's options.
struct Options {
  bool trace = false;
  bool listSatellites = false;
  std::string date;
  CLI::Option* dateGiven = nullptr;
  std::string offset = "0";
  std::string motorLimit;
  CLI::Option* motorLimitGiven = nullptr;
  bool visible = false;
  MultifeedOptions multifeed;
  CLI::Option* multifeedGiven = nullptr;
  std::vector<std::string> events;
};

// The options before the rain fade's, in the order --help lists them.
void addOptions(CLI::App& app, Options& options) {
  app.add_flag("--trace", options.trace, "print the state after the load and after every event");
  options.dateGiven =
      app.add_option(
             "--date", options.date,
             "the date of the magnetic declination and of --sun, YYYY-MM-DD from 1900 to 2100 "
             "(default: today)")
          ->type_name("DATE");
  app.add_option("--offset-angle", options.offset,
                 "the dish's offset angle in degrees, 0 to 45 in steps of 0.1, after a point or "
                 "a comma (default 0)")
      ->type_name("DEG");
  options.motorLimitGiven =
      app.add_option("--motor-limit", options.motorLimit,
                     "turn the motor on, with its limit in degrees either side of the meridian, "
                     "1 to 90 (as the event motorLimit:=DEG)")
          ->type_name("DEG");
  auto* satellites = app.add_flag("--satellites", options.listSatellites,
                                  "print the satellites known by name as a JSON array and exit");
  app.add_flag("--visible", options.visible,
               "with --satellites: after the EVENTs, only those above the site's horizon, west "
               "to east, each with elevation, azimuth, skew, motorAngle and motorDirection")
      ->needs(satellites)
      ->excludes("--trace");
  options.multifeedGiven =
      app.add_option("--multifeed", options.multifeed.satellite,
                     "after the EVENTs, print a second LNB's figures for this second satellite "
                     "(a name of --satellites or a position) on the dish the alignment page "
                     "points: separation, offset (m), side, railTilt, skew, warnings")
          ->type_name("SATELLITE")
          ->excludes("--trace")
          ->excludes(satellites);
  app.add_option("--focal-length", options.multifeed.focalLength,
                 "with --multifeed: the dish's focal length in metres, 0.1 to 5 (an offset "
                 "dish's is its parent paraboloid's)")
      ->type_name("M")
      ->needs(options.multifeedGiven);
  app.set_version_flag("--version", std::string(kProgram) + " " + std::string(kVersion),
                       "print the version and exit");
}

int listSatellites(std::ostream& out) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Satellite& satellite : readSatelliteDirectory()) {
    list.push_back({{"name", satellite.name}, {"position", satellite.position}});
  }
  out << list.dump() << '\n';
  return 0;
}

// The pointing aids' date and offset angle, or nothing with a line on err.
std::optional<Session> sessionOf(const Options& options, std::ostream& err) {
  calc::CalendarDate date = today();
  // Given but empty is a mistake, not today.
  if (options.dateGiven->count() > 0) {
    const auto parsed = parseDate(options.date);
    if (!parsed) {
      err << kProgram << ": --date " << quotedText(options.date) << " " << dateProblem(options.date)
          << "\n";
      return std::nullopt;
    }
    date = *parsed;
  }
  const auto offsetTenths = parseOffsetTenths(options.offset);
  if (!offsetTenths) {
    err << kProgram << ": --offset-angle " << quotedText(options.offset)
        << " is not an offset angle; allowed: 0 to 45 degrees with at most one decimal\n";
    return std::nullopt;
  }
  std::optional<Session> session(std::in_place, date, *offsetTenths);
  if (options.motorLimitGiven->count() > 0) {
    if (const auto problem = session->setMotorLimit(options.motorLimit)) {
      err << kProgram << ": --motor-limit " << quotedText(options.motorLimit) << " " << *problem
          << "\n";
      return std::nullopt;
    }
  }
  return session;
}

// What the run prints after its events in place of the state, when an
// option asks for it: 0, or the exit status with a line on err.
int printAfterEvents(const Options& options, Session& session, std::ostream& out,
                     std::ostream& err) {
  if (options.visible) {
    out << visibleSatellitesJson(visibleSatellites(session)) << '\n';
    return 0;
  }
  const auto multifeed = multifeedAid(session, options.multifeed);
  if (const auto* problem = std::get_if<MultifeedRefusal>(&multifeed)) {
    err << kProgram << ": --multifeed: " << problem->line << "\n";
    return kExitBadInput;
  }
  out << multifeedJson(std::get<MultifeedAid>(multifeed)) << '\n';
  return 0;
}

// --sun's request, or nothing and without --sun none of its options; the
// exit status of a refusal.
int sunRequestOf(const Options& options, const RainFadeOptions& rainFade, const SunOptions& sun,
                 std::optional<SunRequest>& request, std::ostream& err) {
  if (!sun.wanted()) {
    return sun.refuseWithout(err, options.multifeedGiven->count() > 0);
  }
  for (const auto& [given, name] :
       {std::pair{options.trace, "--trace"}, std::pair{options.listSatellites, "--satellites"}}) {
    if (given) {
      err << kProgram << ": " << name << " does not go with --sun; allowed: one of them\n";
      return kExitBadInput;
    }
  }
  if (const int status = rainFade.refuseWithSun(err)) {
    return status;
  }
  request = sun.request(rainFade.frequencyText(), err);
  return request ? 0 : kExitBadInput;
}

// Loads the window, runs the events and prints the state or --sun's object.
int runSession(const Options& options, const RainFadeOptions& rainFade, const SunOptions& sun,
               std::istream& in, std::ostream& out, std::ostream& err) {
  std::optional<SunRequest> sunRequest;
  if (const int status = sunRequestOf(options, rainFade, sun, sunRequest, err)) {
    return status;
  }
  std::optional<Session> session = sessionOf(options, err);
  if (!session) {
    return kExitBadInput;
  }
  if (const int status = sunRequest ? 0 : rainFade.applyTo(*session, err)) {
    return status;
  }
  if (const int status = runEvents(*session, options.trace, options.events, in, out, err)) {
    return status;
  }
  if (sunRequest) {
    out << sunJson(*session, *sunRequest) << '\n' << std::flush;
    return 0;
  }
  if (options.visible || options.multifeedGiven->count() > 0) {
    return printAfterEvents(options, *session, out, err);
  }
  Printer(*session, options.trace, out, err).finish();
  return 0;
}

}  // namespace

int runEvents(Session& session, bool trace, const std::vector<std::string>& events,
              std::istream& in, std::ostream& out, std::ostream& err) {
  Printer printer(session, trace, out, err);
  if (const int status = printer.load()) {
    return status;
  }
  return printer.handleAll(events, in);
}

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Kestrion calculator without a screen: loads the window, raises the EVENTs in order and "
      "prints the state as JSON (with --trace, one JSON line after the load and after each "
      "event).",
      kProgram};
  Options options;
  addOptions(app, options);
  RainFadeOptions rainFade(app);
  SunOptions sun(app);
  app.add_option("events", options.events,
                 "events to raise, or - to read them from stdin, one a line")
      ->type_name("EVENT");
  app.footer(sliderTable());
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help, --version
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    // CLI11 echoes the arguments as they came.
    err << kProgram << ": " << oneLineText(e.what()) << "; see --help\n";
    return kExitBadInput;
  }

  if (rainFade.pure() && !sun.wanted()) {
    return rainFade.runPure(!options.events.empty(), out, err);
  }
  if (options.multifeedGiven->count() > 0) {
    if (sun.wanted()) {
      err << kProgram << ": --multifeed does not go with --sun; allowed: one of them\n";
      return kExitBadInput;
    }
    if (app.count("--focal-length") == 0 || !sun.diameter()) {
      err << kProgram << ": --multifeed needs --focal-length M and --diameter M; see --help\n";
      return kExitBadInput;
    }
    options.multifeed.diameter = *sun.diameter();
  }
  if (options.listSatellites && !options.visible && !sun.wanted()) {
    return listSatellites(out);
  }
  return runSession(options, rainFade, sun, in, out, err);
}

}  // namespace kestrion::cli
