// kestrion-cli: the calculator without a screen. Loads the window, raises the
// events given on the command line or on standard input, prints JSON.
#pragma once

#include <iosfwd>

namespace kestrion::cli {

inline constexpr int kExitBadInput = 2;

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kestrion::cli
