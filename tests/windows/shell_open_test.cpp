// The Windows shell call behind the browser links, run under Wine: an address
// the shell has no handler for is told apart from any other failure, because
// the user is shown a different message for each.
#include <cstdio>
#include <string>

#include "desktop/shell_open.h"

using kestrion::desktop::OpenOutcome;
using kestrion::desktop::OpenRequest;
using kestrion::desktop::shellOpen;

namespace {

const char* name(OpenOutcome o) {
  switch (o) {
    case OpenOutcome::Opened:
      return "Opened";
    case OpenOutcome::NoAssociation:
      return "NoAssociation";
    case OpenOutcome::Failed:
      break;
  }
  return "Failed";
}

struct Case {
  const char* address;
  OpenOutcome outcome;
  long long code;
};

// Neither address may open anything: a test must not start a browser.
constexpr Case kCases[] = {
    {"kestrion-no-such-scheme:page", OpenOutcome::NoAssociation, 31},  // SE_ERR_NOASSOC
    {"C:\\kestrion\\no\\such\\page.html", OpenOutcome::Failed, 2},     // SE_ERR_FNF
};

}  // namespace

int main() {
  int failures = 0;
  for (const Case& c : kCases) {
    OpenRequest request;
    request.verb = "open";
    request.file = c.address;
    request.showCommand = 1;  // SW_SHOWNORMAL
    const auto result = shellOpen(0, request);
    const bool ok = result.outcome == c.outcome && result.code == c.code;
    std::printf("%s %s: %s %lld (expected %s %lld)\n", ok ? "ok  " : "FAIL", c.address,
                name(result.outcome), result.code, name(c.outcome), c.code);
    failures += ok ? 0 : 1;
  }
  return failures == 0 ? 0 : 1;
}
