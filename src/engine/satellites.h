// Satellites by name, from the file names of the DVB-S scan tables Debian
// ships in dtv-scan-tables: one file per satellite, named NAME-POSITION with
// the position in degrees and E or W ("Astra-19.2E", "Eutelsat-5-West-A-5.0W",
// "Galaxy13_C-127.0W", once "Eutelsat5_5.0W"); a few files hold two
// satellites at one position, their names joined ("EchoStar-9Galaxy-23-121.0W").
// Only the names are read, never the files.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/angle_text.h"

namespace kestrion {

inline constexpr const char* kScanTableDirectory = "/usr/share/dvb/dvb-s";

struct Satellite {
  std::string name;  // display form: "Astra 19.2E", "Eutelsat 5 West A 5.0W"
  double position;   // degrees, east positive, -180..180
};

struct SatellitePosition {
  double position;
  std::vector<std::string> names;  // in list order
};

// The satellites one file name holds; none when it is not
// NAME-POSITION(E|W) with a position within 180 degrees and a name of
// letters, digits, '+', '.', '-', '_'. Two names joined where one ends in a
// digit and the next begins with a capitalised word or at least three
// capitals ("9Galaxy", "105SES") are two satellites; "1KR" or "29e" stays a
// designation.
std::vector<Satellite> satellitesFromFileName(std::string_view fileName);

// The satellites among the names, ordered west to east, then by name; names
// that differ only in case, blanks or separators are kept once.
std::vector<Satellite> satellitesFromFileNames(const std::vector<std::string>& fileNames);

// The same over the file names in a folder; a missing or unreadable folder
// gives an empty list.
std::vector<Satellite> readSatelliteDirectory(const std::string& directory = kScanTableDirectory);

// The names at each position, west to east.
std::vector<SatellitePosition> groupByPosition(const std::vector<Satellite>& satellites);

// What a typed name means. Names compare without case, blanks, '-', '_' or
// degree signs, with ',' for '.'. A name is found as listed ("Astra 19.2E"),
// by its designation alone when that is at one position ("Astra 1KR",
// "Eutelsat 7A"), or by its designation and a position in any form the
// reader takes ("Hot Bird 13E", "Astra 19.2°E", "Astra 19.2 E"). A name that
// fits several satellites finds none, and lists them as candidates.
struct SatelliteMatch {
  const Satellite* found = nullptr;
  std::vector<const Satellite*> candidates;
};
SatelliteMatch matchSatellite(const std::vector<Satellite>& satellites, std::string_view typed,
                              const CompassLetters& letters = kEnglishLetters);
const Satellite* findSatellite(const std::vector<Satellite>& satellites, std::string_view name);
// The same as typed entry looks it up.
SatelliteFound lookUpSatellite(const std::vector<Satellite>& satellites, std::string_view typed,
                               const CompassLetters& letters = kEnglishLetters);

// The position a name ends with, in ten-thousandths of a degree, as a
// listed name does ("Thor 5 0.8W"); empty for a name without one
// ("Astra 1KR").
std::optional<std::int32_t> positionNamed(std::string_view name,
                                          const CompassLetters& letters = kEnglishLetters);

// The satellites a partly typed name may become, in list order: those whose
// name starts with it, compared as above, and those whose designation
// starts with its name part when a position ends it ("Thor 0.8W").
std::vector<const Satellite*> completeSatellite(const std::vector<Satellite>& satellites,
                                                std::string_view prefix,
                                                const CompassLetters& letters = kEnglishLetters);

// A list with the forms its names compare in, made once: matching and
// completing in it as above make none per listed name, where the functions
// above make them for every name at every lookup.
class SatelliteList {
 public:
  explicit SatelliteList(std::vector<Satellite> satellites);

  [[nodiscard]] const std::vector<Satellite>& all() const { return satellites_; }
  [[nodiscard]] SatelliteMatch match(std::string_view typed,
                                     const CompassLetters& letters = kEnglishLetters) const;
  [[nodiscard]] std::vector<const Satellite*> complete(
      std::string_view prefix, const CompassLetters& letters = kEnglishLetters) const;

 private:
  std::vector<Satellite> satellites_;
  std::vector<std::string> nameKeys_;         // of each name, in list order
  std::vector<std::string> designationKeys_;  // of each name without its position
};

// The satellites known by name, read from the scan tables the first time
// they are asked for, so that nothing is read at start-up. The scan tables'
// own folder is read once for the whole program and its list shared by every
// session (each browser handle, each job sheet); another folder once per
// SatelliteNames.
class SatelliteNames {
 public:
  explicit SatelliteNames(std::string directory = kScanTableDirectory)
      : directory_(std::move(directory)) {}

  const std::vector<Satellite>& all() { return list().all(); }
  // The satellite of that name, as typed entry looks it up.
  SatelliteFound find(std::string_view name);
  // As completeSatellite.
  std::vector<const Satellite*> complete(std::string_view prefix) {
    return list().complete(prefix);
  }

 private:
  const SatelliteList& list();

  std::string directory_;
  std::shared_ptr<const SatelliteList> list_;  // never changed once read
};

}  // namespace kestrion
