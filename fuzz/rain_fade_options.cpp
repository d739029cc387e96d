// kestrion-cli's command line, one argument a line, for the rain fade's
// options (--frequency 12, --percent 0.1 --percent 0.01, --required-cn
// "8PSK 3/5", --rain-fade ...). It stops with status 0 and prints JSON that
// reads back, --rain-fade's figures all numbers; or it refuses with status 2,
// one line on stderr and, without --trace, no state at all.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "cli/driver.h"

namespace {

using kestrion::fuzz::oneLine;
using kestrion::fuzz::readBack;
using Json = nlohmann::ordered_json;

// No figure of the fade is missing (a NaN or an infinity prints as null).
bool allNumbers(const Json& j) {
  if (j.is_null()) return false;
  if (j.is_structured()) {
    for (const Json& item : j) {
      if (!allNumbers(item)) return false;
    }
  }
  return true;
}

// The flag, alone or with "=VALUE".
bool isFlag(std::string_view argument, std::string_view flag) {
  return argument.substr(0, argument.find('=')) == flag;
}

// --help, --version and --satellites print no state.
bool printsNoState(std::string_view argument) {
  return argument.starts_with("-h") || isFlag(argument, "--help") ||
         isFlag(argument, "--version") || isFlag(argument, "--satellites");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments{"kestrion-cli"};
  std::string_view input(reinterpret_cast<const char*>(data), size);
  bool trace = false;
  while (!input.empty()) {
    const auto end = input.find('\n');
    // An argument ends at a NUL, as in argv.
    const std::string_view line = input.substr(0, end);
    const std::string_view argument = line.substr(0, line.find('\0'));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    if (printsNoState(argument)) continue;
    trace = trace || isFlag(argument, "--trace");
    arguments.emplace_back(argument);
  }
  std::vector<const char*> argv;
  for (const std::string& a : arguments) argv.push_back(a.c_str());
  std::istringstream in("HScroll17=50\n");
  std::ostringstream out;
  std::ostringstream err;
  const int status = kestrion::cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err);
  if (status == kestrion::cli::kExitBadInput) {
    const std::string message = err.str();
    if (!message.ends_with('\n') || !oneLine(message.substr(0, message.size() - 1)) ||
        (!trace && !out.str().empty())) {
      std::abort();
    }
    return 0;
  }
  if (status != 0 || !err.str().empty()) std::abort();
  std::istringstream lines(out.str());
  std::string line;
  while (std::getline(lines, line)) {
    const Json json = readBack(line);
    if (json.contains("k") && !allNumbers(json)) std::abort();  // --rain-fade's object
  }
  return 0;
}
