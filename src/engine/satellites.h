// Satellites by name, from the file names of the DVB-S scan tables Debian
// ships in dtv-scan-tables: one file per satellite, named NAME-POSITION with
// the position in degrees and E or W ("Astra-19.2E", "Eutelsat-5-West-A-5.0W",
// "Galaxy13_C-127.0W", once "Eutelsat5_5.0W"). Only the names are read,
// never the files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One file name; empty when it is not NAME-POSITION(E|W) with a position
// within 180 degrees and a name of letters, digits, '+', '.', '-', '_'.
std::optional<Satellite> satelliteFromFileName(std::string_view fileName);

// The satellites among the names, ordered west to east, then by name; names
// that differ only in case or separators are kept once.
std::vector<Satellite> satellitesFromFileNames(const std::vector<std::string>& fileNames);

// The same over the file names in a folder; a missing or unreadable folder
// gives an empty list.
std::vector<Satellite> readSatelliteDirectory(const std::string& directory = kScanTableDirectory);

// The names at each position, west to east.
std::vector<SatellitePosition> groupByPosition(const std::vector<Satellite>& satellites);

// Lookup ignores case, treats '-', '_' and runs of blanks alike and takes
// ',' for '.': "astra-19,2e" finds "Astra 19.2E".
const Satellite* findSatellite(const std::vector<Satellite>& satellites, std::string_view name);

// The satellites whose name starts with the prefix, compared as above, in
// list order.
std::vector<const Satellite*> completeSatellite(const std::vector<Satellite>& satellites,
                                                std::string_view prefix);

// The satellites known by name, read from the scan tables the first time
// they are asked for, so that nothing is read at start-up.
class SatelliteNames {
 public:
  explicit SatelliteNames(std::string directory = kScanTableDirectory)
      : directory_(std::move(directory)) {}

  const std::vector<Satellite>& all();
  // The position of the satellite of that name, as typed entry looks it up.
  std::optional<double> position(std::string_view name);

 private:
  std::string directory_;
  std::optional<std::vector<Satellite>> list_;
};

}  // namespace kestrion
