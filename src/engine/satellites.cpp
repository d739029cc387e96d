#include "engine/satellites.h"

#include "model/numtext.h"

#include <dirent.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>

namespace kestrion {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isSeparator(char c) {
  return c == '-' || c == '_' || c == ' ' || c == '\t';
}
char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The form names are compared in. The end is kept as typed for prefixes, so
// "astra " does not complete to "Astrabird".
std::string key(std::string_view text, bool trimEnd) {
  std::string out;
  bool gap = false;
  for (const char c : text) {
    if (isSeparator(c)) {
      gap = !out.empty();
      continue;
    }
    if (gap) {
      out += ' ';
    }
    gap = false;
    out += c == ',' ? '.' : lower(c);
  }
  if (gap && !trimEnd) {
    out += ' ';
  }
  return out;
}

// DDD[.D...](E|W): the position text after the last separator.
std::optional<double> positionFrom(std::string_view text) {
  if (text.size() < 2) {
    return std::nullopt;
  }
  const char hemisphere = text.back();
  const std::string_view number = text.substr(0, text.size() - 1);
  std::size_t intDigits = 0;
  while (intDigits < number.size() && isDigit(number[intDigits])) {
    ++intDigits;
  }
  if (intDigits == 0 || intDigits > 3) {
    return std::nullopt;
  }
  if (intDigits < number.size()) {
    const std::string_view fraction = number.substr(intDigits + 1);
    if (number[intDigits] != '.' || fraction.empty() || fraction.size() > 4 ||
        !std::all_of(fraction.begin(), fraction.end(), isDigit)) {
      return std::nullopt;
    }
  }
  // Checked above to be plain digits with at most one point: the label
  // reading gives the nearest double.
  const double value = leadingNumber(number);
  if (value > 180.0) {
    return std::nullopt;
  }
  switch (hemisphere) {
    case 'E':
    case 'e':
      return value;
    case 'W':
    case 'w':
      return value == 0 ? 0.0 : -value;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<Satellite> satelliteFromFileName(std::string_view fileName) {
  if (fileName.empty() || fileName.size() > 100) {
    return std::nullopt;
  }
  const auto cut = fileName.find_last_of("-_");
  if (cut == std::string_view::npos || cut == 0) {
    return std::nullopt;
  }
  const std::string_view namePart = fileName.substr(0, cut);
  std::string positionText(fileName.substr(cut + 1));
  const auto position = positionFrom(positionText);
  if (!position) {
    return std::nullopt;
  }
  const bool allowed = std::all_of(namePart.begin(), namePart.end(), [](char c) {
    return isLetter(c) || isDigit(c) || c == '+' || c == '.' || c == '-' || c == '_';
  });
  const bool named = std::any_of(namePart.begin(), namePart.end(),
                                 [](char c) { return isLetter(c) || isDigit(c); });
  if (!allowed || !named) {
    return std::nullopt;
  }

  // Separators become single blanks, as the satellites' names are written.
  std::string name;
  for (const char c : namePart) {
    if (isSeparator(c)) {
      if (!name.empty() && name.back() != ' ') {
        name += ' ';
      }
    } else {
      name += c;
    }
  }
  if (name.back() != ' ') {
    name += ' ';
  }
  char& hemisphere = positionText.back();
  hemisphere = hemisphere == 'e' ? 'E' : hemisphere == 'w' ? 'W' : hemisphere;
  return Satellite{name + positionText, *position};
}

std::vector<Satellite> satellitesFromFileNames(const std::vector<std::string>& fileNames) {
  struct Keyed {
    std::string key;
    Satellite satellite;
  };
  std::vector<Keyed> found;
  for (const auto& fileName : fileNames) {
    if (auto s = satelliteFromFileName(fileName)) {
      std::string k = key(s->name, true);
      found.push_back({std::move(k), std::move(*s)});
    }
  }
  std::sort(found.begin(), found.end(), [](const Keyed& a, const Keyed& b) {
    return std::tie(a.satellite.position, a.key, a.satellite.name) <
           std::tie(b.satellite.position, b.key, b.satellite.name);
  });
  std::vector<Satellite> out;
  for (std::size_t i = 0; i < found.size(); ++i) {
    if (i > 0 && found[i].key == found[i - 1].key) {
      continue;
    }
    out.push_back(std::move(found[i].satellite));
  }
  return out;
}

namespace {

// The entries of a folder, read with POSIX dirent, which glibc, mingw-w64 and
// wasi-libc all have (the browser's C++ library has no <filesystem>).
std::vector<std::string> fileNames(const std::string& directory) {
#if KESTRION_BUILT_IN_SCAN_TABLES
  // The browser has no such folder: the web build wrote its names in.
  if (directory == kScanTableDirectory) {
    static constexpr const char* kNames[] = {
#include "scan_table_names.inc"
    };
    return {std::begin(kNames), std::end(kNames)};
  }
#endif
  constexpr std::size_t kMaxEntries = 10000;  // the real folder has a few hundred
  std::vector<std::string> names;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), &::closedir);
  if (!dir) {
    return names;
  }
  while (names.size() < kMaxEntries) {
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) {
      break;
    }
    const std::string name = entry->d_name;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  }
  return names;
}

}  // namespace

std::vector<Satellite> readSatelliteDirectory(const std::string& directory) {
  return satellitesFromFileNames(fileNames(directory));
}

std::vector<SatellitePosition> groupByPosition(const std::vector<Satellite>& satellites) {
  std::vector<SatellitePosition> groups;
  for (const auto& s : satellites) {
    if (groups.empty() || groups.back().position != s.position) {
      groups.push_back({s.position, {}});
    }
    groups.back().names.push_back(s.name);
  }
  return groups;
}

const Satellite* findSatellite(const std::vector<Satellite>& satellites, std::string_view name) {
  const std::string wanted = key(name, true);
  if (wanted.empty()) {
    return nullptr;
  }
  for (const auto& s : satellites) {
    if (key(s.name, true) == wanted) {
      return &s;
    }
  }
  return nullptr;
}

std::vector<const Satellite*> completeSatellite(const std::vector<Satellite>& satellites,
                                                std::string_view prefix) {
  const std::string wanted = key(prefix, false);
  std::vector<const Satellite*> out;
  for (const auto& s : satellites) {
    if (key(s.name, true).starts_with(wanted)) {
      out.push_back(&s);
    }
  }
  return out;
}

const std::vector<Satellite>& SatelliteNames::all() {
  if (!list_) {
    list_ = readSatelliteDirectory(directory_);
  }
  return *list_;
}

std::optional<double> SatelliteNames::position(std::string_view name) {
  const Satellite* found = findSatellite(all(), name);
  return found != nullptr ? std::optional<double>(found->position) : std::nullopt;
}

}  // namespace kestrion
