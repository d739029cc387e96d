// kestrion-cli --trace - on any standard input: it prints states and stops
// with status 0, or refuses a bad event with status 2. Status 3 (a
// floating-point fault) would mean a slider position reached one, which no
// position may. The run starts where kestrion-cli's does once it has read
// its command line, which is the same for every input (reading it, CLI11
// builds its option table, took more than half of each run); the date is
// fixed, so that an input runs alike on any day.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream err;
  kestrion::Session session({2026, 1, 1}, 0);
  const int status = kestrion::cli::runEvents(session, true, {"-"}, in, out, err);
  if (status != 0 && status != kestrion::cli::kExitBadInput) {
    std::abort();
  }
  if ((status == 0) != err.str().empty()) {
    std::abort();
  }
  return 0;
}
