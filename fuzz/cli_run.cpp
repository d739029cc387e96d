// kestrion-cli on any standard input: it prints states and stops with status
// 0, or refuses a bad event with status 2. Status 3 (a floating-point fault)
// would mean a slider position reached one, which no position may.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream err;
  const char* const argv[] = {"kestrion-cli", "--trace", "-"};
  const int status = kestrion::cli::run(3, argv, in, out, err);
  if (status != 0 && status != kestrion::cli::kExitBadInput) {
    std::abort();
  }
  if ((status == 0) != err.str().empty()) {
    std::abort();
  }
  return 0;
}
