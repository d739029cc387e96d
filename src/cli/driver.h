// kestrion-cli: the calculator without a screen. Loads the window, raises the
// events given on the command line or on standard input, prints JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kestrion {
class Session;
}

namespace kestrion::cli {

inline constexpr int kExitBadInput = 2;

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

// What run does once it has read the command line and made the session:
// the load and the EVENTs (with "-", those on `in`, one a line), each state
// (with trace) and each refusal printed as kestrion-cli prints them; 0, or
// the exit status of the event that ended the run.
int runEvents(Session& session, bool trace, const std::vector<std::string>& events,
              std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kestrion::cli
