#include "engine/satellites.h"

#include "model/numtext.h"

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <tuple>

namespace kestrion {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool isLetter(char c) {
  return isUpper(c) || isLower(c);
}
bool isSeparator(char c) {
  return c == '-' || c == '_' || c == ' ' || c == '\t';
}
char lower(char c) {
  return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// The form names are compared in: lower case, without blanks, separators or
// degree signs, ',' for '.': "Hot Bird 13.0°E" and "hotbird-13,0e" agree.
// A lookup in a plain list makes it of every listed name: byte by byte, no
// copies.
std::string key(std::string_view text) {
  const auto dropped = [](char second) {
    return second == '\xB0'      // °
           || second == '\xBA'   // º, often typed for °
           || second == '\xA0';  // no-break space
  };
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\xC2' && i + 1 < text.size() && dropped(text[i + 1])) {
      ++i;
    } else if (!isSeparator(c)) {
      out += c == ',' ? '.' : lower(c);
    }
  }
  return out;
}

// The name without its position: "Astra 1KR" of "Astra 1KR 19.2E".
std::string_view designation(const Satellite& s) {
  return std::string_view(s.name).substr(0, s.name.rfind(' '));
}

std::int32_t tenThousandths(double position) {
  return static_cast<std::int32_t>(std::lround(position * 10000.0));
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

// Where a second name begins inside a file's name part: after a digit, a
// capitalised word ("6Thaicom") or three capitals ("105SES"). One or two
// capitals or small letters after a digit belong to the designation
// ("Astra-1KR", "Eutelsat-7A", "Intelsat-29e").
bool startsSecondName(std::string_view text, std::size_t at) {
  if (at == 0 || at + 2 > text.size() || !isDigit(text[at - 1]) || !isUpper(text[at])) {
    return false;
  }
  if (isLower(text[at + 1])) {
    return true;
  }
  return at + 3 <= text.size() && isUpper(text[at + 1]) && isUpper(text[at + 2]);
}

std::vector<std::string_view> splitJoinedNames(std::string_view namePart) {
  std::vector<std::string_view> names;
  std::size_t from = 0;
  for (std::size_t i = 1; i < namePart.size(); ++i) {
    if (startsSecondName(namePart, i)) {
      names.push_back(namePart.substr(from, i - from));
      from = i;
    }
  }
  names.push_back(namePart.substr(from));
  return names;
}

// Separators become single blanks, as the satellites' names are written.
std::string displayName(std::string_view namePart, std::string_view positionText) {
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
  return name + std::string(positionText);
}

bool validNamePart(std::string_view namePart) {
  const bool allowed = std::all_of(namePart.begin(), namePart.end(), [](char c) {
    return isLetter(c) || isDigit(c) || c == '+' || c == '.' || c == '-' || c == '_';
  });
  const bool named = std::any_of(namePart.begin(), namePart.end(),
                                 [](char c) { return isLetter(c) || isDigit(c); });
  return allowed && named;
}

// A typed name cut into a name and a position that ends it, at every place
// where the rest reads as a position. Never inside a number or a character.
struct NameAndPosition {
  std::string name;  // as key() gives it
  std::int32_t position;
};

std::vector<NameAndPosition> namesWithPositions(std::string_view typed,
                                                const CompassLetters& letters) {
  const auto inNumber = [](char c) { return isDigit(c) || c == '.' || c == ','; };
  std::vector<NameAndPosition> out;
  for (std::size_t i = 1; i < typed.size(); ++i) {
    const auto byte = static_cast<unsigned char>(typed[i]);
    if ((byte & 0xC0U) == 0x80U || (inNumber(typed[i - 1]) && inNumber(typed[i]))) {
      continue;
    }
    std::string name = key(typed.substr(0, i));
    if (name.empty()) {
      continue;
    }
    const AngleReading r = readAngle(typed.substr(i), AngleKind::Satellite, nullptr, letters);
    if (r.entry) {
      out.push_back({std::move(name), r.entry->tenThousandths});
    }
  }
  return out;
}

// The satellites the test holds for, in list order; it is given each
// satellite and its place in the list.
template <typename Test>
std::vector<const Satellite*> matching(const std::vector<Satellite>& satellites, Test test) {
  std::vector<const Satellite*> out;
  for (std::size_t i = 0; i < satellites.size(); ++i) {
    if (test(satellites[i], i)) {
      out.push_back(&satellites[i]);
    }
  }
  return out;
}

// The compared forms of a list's names: made at each lookup for a plain
// list, kept beside a SatelliteList.
struct MadeKeys {
  const std::vector<Satellite>& satellites;
  [[nodiscard]] std::string name(std::size_t i) const { return key(satellites[i].name); }
  [[nodiscard]] std::string designationOf(std::size_t i) const {
    return key(designation(satellites[i]));
  }
};
struct KeptKeys {
  const std::vector<std::string>& names;
  const std::vector<std::string>& designations;
  [[nodiscard]] const std::string& name(std::size_t i) const { return names[i]; }
  [[nodiscard]] const std::string& designationOf(std::size_t i) const { return designations[i]; }
};

bool onePosition(const std::vector<const Satellite*>& satellites) {
  return std::all_of(satellites.begin(), satellites.end(), [&](const Satellite* s) {
    return s->position == satellites.front()->position;
  });
}

}  // namespace

std::vector<Satellite> satellitesFromFileName(std::string_view fileName) {
  if (fileName.empty() || fileName.size() > 100) {
    return {};
  }
  const auto cut = fileName.find_last_of("-_");
  if (cut == std::string_view::npos || cut == 0) {
    return {};
  }
  const std::string_view namePart = fileName.substr(0, cut);
  std::string positionText(fileName.substr(cut + 1));
  const auto position = positionFrom(positionText);
  if (!position || !validNamePart(namePart)) {
    return {};
  }
  char& hemisphere = positionText.back();
  hemisphere = hemisphere == 'e' ? 'E' : hemisphere == 'w' ? 'W' : hemisphere;
  std::vector<Satellite> out;
  for (const std::string_view name : splitJoinedNames(namePart)) {
    out.push_back({displayName(name, positionText), *position});
  }
  return out;
}

std::vector<Satellite> satellitesFromFileNames(const std::vector<std::string>& fileNames) {
  struct Keyed {
    std::string key;
    Satellite satellite;
  };
  std::vector<Keyed> found;
  for (const auto& fileName : fileNames) {
    for (auto& s : satellitesFromFileName(fileName)) {
      std::string k = key(s.name);
      found.push_back({std::move(k), std::move(s)});
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

namespace {

template <typename Keys>
std::vector<const Satellite*> completeIn(const std::vector<Satellite>& satellites, const Keys& keys,
                                         std::string_view prefix, const CompassLetters& letters) {
  const std::string wanted = key(prefix);
  const auto positioned = namesWithPositions(trimmedBlanks(prefix), letters);
  return matching(satellites, [&](const Satellite& s, std::size_t i) {
    if (keys.name(i).starts_with(wanted)) {
      return true;
    }
    const auto& name = keys.designationOf(i);
    return std::any_of(positioned.begin(), positioned.end(), [&](const NameAndPosition& typed) {
      return tenThousandths(s.position) == typed.position && name.starts_with(typed.name);
    });
  });
}

template <typename Keys>
SatelliteMatch matchIn(const std::vector<Satellite>& satellites, const Keys& keys,
                       std::string_view typed, const CompassLetters& letters) {
  typed = trimmedBlanks(typed);
  const std::string wanted = key(typed);
  if (wanted.empty()) {
    return {};
  }
  // The name exactly as listed; as listed but for case, blanks, hyphens and
  // degree signs, where names that differ only so are all offered; then the
  // designation alone, then the designation with a position: the first that
  // fits wins.
  auto found =
      matching(satellites, [&](const Satellite& s, std::size_t) { return s.name == typed; });
  if (!found.empty()) {
    return {found.front(), {}};
  }
  found =
      matching(satellites, [&](const Satellite&, std::size_t i) { return keys.name(i) == wanted; });
  if (!found.empty()) {
    return onePosition(found) ? SatelliteMatch{found.front(), {}} : SatelliteMatch{nullptr, found};
  }
  found = matching(
      satellites, [&](const Satellite&, std::size_t i) { return keys.designationOf(i) == wanted; });
  if (!found.empty()) {
    return onePosition(found) ? SatelliteMatch{found.front(), {}} : SatelliteMatch{nullptr, found};
  }
  for (const NameAndPosition& typedName : namesWithPositions(typed, letters)) {
    found = matching(satellites, [&](const Satellite& s, std::size_t i) {
      return tenThousandths(s.position) == typedName.position &&
             keys.designationOf(i) == typedName.name;
    });
    if (!found.empty()) {
      return {found.front(), {}};
    }
  }
  return {nullptr, completeIn(satellites, keys, typed, letters)};
}

SatelliteFound foundOf(const SatelliteMatch& match) {
  SatelliteFound out;
  if (match.found != nullptr) {
    out.position = match.found->position;
    out.name = match.found->name;
  }
  for (const Satellite* s : match.candidates) {
    out.candidates.push_back(s->name);
  }
  return out;
}

// The scan tables' list, read at the first lookup of any session and kept.
std::shared_ptr<const SatelliteList> scanTableList() {
  static const auto list = std::make_shared<const SatelliteList>(readSatelliteDirectory());
  return list;
}

}  // namespace

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

SatelliteMatch matchSatellite(const std::vector<Satellite>& satellites, std::string_view typed,
                              const CompassLetters& letters) {
  return matchIn(satellites, MadeKeys{satellites}, typed, letters);
}

const Satellite* findSatellite(const std::vector<Satellite>& satellites, std::string_view name) {
  return matchSatellite(satellites, name).found;
}

SatelliteFound lookUpSatellite(const std::vector<Satellite>& satellites, std::string_view typed,
                               const CompassLetters& letters) {
  return foundOf(matchSatellite(satellites, typed, letters));
}

std::optional<std::int32_t> positionNamed(std::string_view name, const CompassLetters& letters) {
  // The cuts run left to right; the last is the shortest position.
  const auto cuts = namesWithPositions(trimmedBlanks(name), letters);
  return cuts.empty() ? std::nullopt : std::optional<std::int32_t>(cuts.back().position);
}

std::vector<const Satellite*> completeSatellite(const std::vector<Satellite>& satellites,
                                                std::string_view prefix,
                                                const CompassLetters& letters) {
  return completeIn(satellites, MadeKeys{satellites}, prefix, letters);
}

SatelliteList::SatelliteList(std::vector<Satellite> satellites)
    : satellites_(std::move(satellites)) {
  nameKeys_.reserve(satellites_.size());
  designationKeys_.reserve(satellites_.size());
  for (const Satellite& s : satellites_) {
    nameKeys_.push_back(key(s.name));
    designationKeys_.push_back(key(designation(s)));
  }
}

SatelliteMatch SatelliteList::match(std::string_view typed, const CompassLetters& letters) const {
  return matchIn(satellites_, KeptKeys{nameKeys_, designationKeys_}, typed, letters);
}

std::vector<const Satellite*> SatelliteList::complete(std::string_view prefix,
                                                      const CompassLetters& letters) const {
  return completeIn(satellites_, KeptKeys{nameKeys_, designationKeys_}, prefix, letters);
}

const SatelliteList& SatelliteNames::list() {
  if (!list_) {
    list_ = directory_ == kScanTableDirectory
                ? scanTableList()
                : std::make_shared<const SatelliteList>(readSatelliteDirectory(directory_));
  }
  return *list_;
}

SatelliteFound SatelliteNames::find(std::string_view name) {
  return foundOf(list().match(name));
}

}  // namespace kestrion
