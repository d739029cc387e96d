#include "driver.h"

#include <CLI/CLI.hpp>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "event.h"
#include "product.h"
#include "state_json.h"

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
  s << "\nExit status: 0 done, 2 bad input (nothing after the bad event runs), "
       "3 floating-point fault.";
  return s.str();
}

class Session {
 public:
  Session(bool trace, std::ostream& out, std::ostream& err) : trace_(trace), out_(out), err_(err) {}

  int load() {
    if (const auto fault = calculator_.load()) {
      return reportFault("load", *fault);
    }
    emit("load");
    return 0;
  }

  // Returns 0 to go on, or the exit status that ends the run.
  int handle(std::string_view text) {
    const auto parsed = parseEvent(text);
    if (const auto* error = std::get_if<EventError>(&parsed)) {
      err_ << kProgram << ": " << error->message << '\n';
      return kExitBadInput;
    }
    const auto& event = std::get<Event>(parsed);
    Outcome outcome;
    if (const auto* move = std::get_if<SliderMove>(&event)) {
      calculator_.window().moveSlider(move->input, move->position);
      outcome = calculator_.sliderMoved(move->input);
    } else {
      outcome = calculator_.selectRain(std::get<RainClick>(event).option);
    }
    if (outcome) {
      return reportFault(text, *outcome);
    }
    last_ = text;
    emit(text);
    return 0;
  }

  void finish() {
    if (!trace_) {
      out_ << stateJson(calculator_.window(), last_) << '\n';
    }
    out_.flush();
  }

 private:
  void emit(std::string_view event) {
    if (trace_) {
      out_ << stateJson(calculator_.window(), event) << '\n';
    }
  }

  int reportFault(std::string_view event, const Fault& fault) {
    out_.flush();
    err_ << kProgram << ": event \"" << event << "\": " << describe(fault) << '\n';
    return kExitFault;
  }

  bool trace_;
  std::ostream& out_;
  std::ostream& err_;
  Calculator calculator_;
  std::string last_ = "load";
};

}  // namespace

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app{
      "Kestrion calculator without a screen: loads the window, raises the EVENTs in order and "
      "prints the state as JSON (with --trace, one JSON line after the load and after each "
      "event).",
      kProgram};
  bool trace = false;
  std::vector<std::string> events;
  app.add_flag("--trace", trace, "print the state after the load and after every event");
  app.set_version_flag("--version", std::string(kProgram) + " " + std::string(kVersion),
                       "print the version and exit");
  app.add_option("events", events, "events to raise, or - to read them from stdin, one a line")
      ->type_name("EVENT");
  app.footer(sliderTable());
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help, --version
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << kProgram << ": " << e.what() << "; see --help\n";
    return kExitBadInput;
  }

  Session session(trace, out, err);
  if (const int status = session.load()) {
    return status;
  }
  if (events.size() == 1 && events.front() == "-") {
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
      }
      if (const int status = session.handle(line)) {
        return status;
      }
    }
  } else {
    for (const std::string& event : events) {
      if (const int status = session.handle(event)) {
        return status;
      }
    }
  }
  session.finish();
  return 0;
}

}  // namespace kestrion::cli
