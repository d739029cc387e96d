// kestrion-sweep: drives the calculator over every page's input space and
// reports each state that raises a floating-point flag, reports a fault,
// writes a text that is no valid number text or leaves its derived range.
// Exit status 0: nothing broke; 1: something did; 2: bad arguments.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "pages.h"

namespace {

using kestrion::sweep::PageResult;
using kestrion::sweep::Plan;

constexpr const char* kUsage =
    "usage: kestrion-sweep [--reduced | --quick] [--threads N] [--seed S] [--page NAME]...\n"
    "  --reduced   a smaller sweep for the test suite (well under a minute)\n"
    "  --quick     smaller still, for sanitizer builds (each event costs ~20x)\n"
    "  --threads   windows driven in parallel (default 1)\n"
    "  --seed      seed of the random states (default 20240601)\n"
    "  --page      alignment, noise, converter, gain, gt or cn (default: all)\n";

bool parseNumber(std::string_view text, std::uint64_t& out) {
  const auto res = std::from_chars(text.data(), text.data() + text.size(), out);
  return res.ec == std::errc{} && res.ptr == text.data() + text.size();
}

void print(const PageResult& r) {
  std::printf("%-20s %12llu events %8.1f s  %s\n", r.name.c_str(),
              static_cast<unsigned long long>(r.findings.events), r.seconds, r.size.c_str());
  for (const auto& [kind, count] : r.findings.counts) {
    std::printf("  %s %s: %llu state(s)\n", kestrion::sweep::isNote(kind) ? "NOTE" : "BROKEN",
                kind.c_str() + (kestrion::sweep::isNote(kind) ? kestrion::sweep::kNote.size() : 0),
                static_cast<unsigned long long>(count));
    for (const auto& example : r.findings.examples.at(kind)) {
      std::printf("    %s\n", example.c_str());
    }
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  Plan plan;
  std::set<std::string> pages;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::uint64_t n = 0;
    const bool hasValue = i + 1 < argc;
    if (arg == "--reduced") {
      plan.alignmentStep = 3;
      plan.rainStep = 10;
      plan.frequencyStep = 4;
      plan.randomNoiseFigure = 200'000;
      plan.randomCarrierToNoise = 100'000;
    } else if (arg == "--quick") {
      plan.alignmentStep = 9;
      plan.rainStep = 30;
      plan.frequencyStep = 10;
      plan.randomNoiseFigure = 20'000;
      plan.randomCarrierToNoise = 5'000;
    } else if (arg == "--threads" && hasValue && parseNumber(argv[i + 1], n) && n >= 1 && n <= 64) {
      plan.threads = static_cast<int>(n);
      ++i;
    } else if (arg == "--seed" && hasValue && parseNumber(argv[i + 1], n)) {
      plan.seed = n;
      ++i;
    } else if (arg == "--page" && hasValue) {
      pages.insert(argv[++i]);
    } else {
      std::fputs(kUsage, arg == "--help" ? stdout : stderr);
      return arg == "--help" ? 0 : 2;
    }
  }
  const auto wanted = [&](const char* page) { return pages.empty() || pages.contains(page); };

  std::printf("kestrion-sweep: %d thread(s), seed %llu\n", plan.threads,
              static_cast<unsigned long long>(plan.seed));
  std::vector<PageResult> results;
  double farthest = 0;
  const auto add = [&](PageResult r) {
    print(r);
    results.push_back(std::move(r));
  };
  if (wanted("alignment")) {
    add(kestrion::sweep::sweepAlignment(plan));
    farthest = results.back().findings.maxDistance;
  }
  if (wanted("noise")) {
    add(kestrion::sweep::sweepNoiseFigure(plan));
  }
  if (wanted("converter")) {
    add(kestrion::sweep::sweepConverter(plan));
  }
  if (wanted("gain")) {
    add(kestrion::sweep::sweepAntennaGain(plan));
  }
  if (wanted("gt")) {
    add(kestrion::sweep::sweepFigureOfMerit(plan));
  }
  if (wanted("cn")) {
    // The farthest distance the full alignment grid wrote, when it ran.
    add(kestrion::sweep::sweepCarrierToNoise(plan, plan.alignmentStep == 1 ? farthest : 0));
  }

  std::uint64_t events = 0;
  std::uint64_t broken = 0;
  double seconds = 0;
  for (const auto& r : results) {
    events += r.findings.events;
    broken += r.findings.total();
    seconds += r.seconds;
  }
  std::printf("total: %llu events in %.1f s, %llu broken claim(s)\n",
              static_cast<unsigned long long>(events), seconds,
              static_cast<unsigned long long>(broken));
  return broken == 0 ? 0 : 1;
}
