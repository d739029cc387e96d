// Random file names: the satellite list stays ordered and in range, its names
// are clean display texts, and every listed name is found and completed.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/satellites.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> names(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      names.emplace_back();
    } else {
      names.back() += static_cast<char>(data[i]);
    }
  }
  // Looked up as the sessions look names up, in a list that keeps its keys;
  // the plain list's lookup, which makes them anew, on the first name.
  const kestrion::SatelliteList listed(kestrion::satellitesFromFileNames(names));
  const auto& list = listed.all();
  std::size_t grouped = 0;
  for (const auto& g : kestrion::groupByPosition(list)) grouped += g.names.size();
  if (grouped != list.size()) std::abort();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& s = list[i];
    if (!(std::abs(s.position) <= 180.0) || (s.position == 0 && std::signbit(s.position))) {
      std::abort();
    }
    if (i > 0 && list[i - 1].position > s.position) std::abort();
    if (s.name.empty() || s.name.front() == ' ' || s.name.back() == ' ' ||
        s.name.find("  ") != std::string::npos) {
      std::abort();
    }
    for (const char c : s.name) {
      if (c < ' ' || c > '~') std::abort();
    }
    if (listed.match(s.name).found != &s ||
        (i == 0 && kestrion::findSatellite(list, s.name) != &s)) {
      std::abort();
    }
    bool completed = false;
    for (const auto* c : listed.complete(s.name.substr(0, s.name.size() / 2))) {
      completed = completed || c == &s;
    }
    if (!completed) std::abort();
  }
  return 0;
}
