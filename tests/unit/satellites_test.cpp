// The satellite list from scan-table file names, including the odd names the
// Debian folder really holds.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/satellites.h"

namespace kestrion {
namespace {

struct NameCase {
  const char* file;
  std::vector<std::string> names;  // empty: not a satellite
  double position;
};
const NameCase kNames[] = {
    {"Astra-19.2E", {"Astra 19.2E"}, 19.2},
    {"Hotbird-13.0E", {"Hotbird 13.0E"}, 13.0},
    {"Eutelsat-5-West-A-5.0W", {"Eutelsat 5 West A 5.0W"}, -5.0},
    {"Eutelsat5_5.0W", {"Eutelsat5 5.0W"}, -5.0},
    {"Galaxy13_C-127.0W", {"Galaxy13 C 127.0W"}, -127.0},
    {"EutelsatW2-16E", {"EutelsatW2 16E"}, 16.0},
    {"Echostar-10+11-110.0W", {"Echostar 10+11 110.0W"}, -110.0},
    {"Intelsat-10-02-1.0W", {"Intelsat 10 02 1.0W"}, -1.0},
    {"Intelsat-18-180.0E", {"Intelsat 18 180.0E"}, 180.0},
    {"Thor-0.0W", {"Thor 0.0W"}, 0.0},
    // Two satellites joined in one name; designations with letters stay whole.
    {"EchoStar-9Galaxy-23-121.0W", {"EchoStar 9 121.0W", "Galaxy 23 121.0W"}, -121.0},
    {"Galaxy-13Horizons-1-127.0W", {"Galaxy 13 127.0W", "Horizons 1 127.0W"}, -127.0},
    {"EchoStar-105SES-11-105.0W", {"EchoStar 105 105.0W", "SES 11 105.0W"}, -105.0},
    {"AzerSpace-1Africasat-1a-46.0E", {"AzerSpace 1 46.0E", "Africasat 1a 46.0E"}, 46.0},
    {"Astra-1KR-19.2E", {"Astra 1KR 19.2E"}, 19.2},
    {"Intelsat-29e-50.0W", {"Intelsat 29e 50.0W"}, -50.0},
    {"Insat2E_C-83.0E", {"Insat2E C 83.0E"}, 83.0},
    {"TurkmenlemMonacoSat-52.0E", {"TurkmenlemMonacoSat 52.0E"}, 52.0},
    {"Astra-19.2", {}, 0},
    {"Astra-19.2N", {}, 0},
    {"Astra-190.0E", {}, 0},
    {"Astra-1234E", {}, 0},
    {"Astra-19.E", {}, 0},
    {"-19.2E", {}, 0},
    {"+-19.2E", {}, 0},
    {"Astra 19.2E", {}, 0},  // blanks never occur in the folder
    {"Astra\n-19.2E", {}, 0},
    {"README", {}, 0},
    {"", {}, 0},
};

TEST(Satellites, FileNames) {
  for (const auto& c : kNames) {
    const auto list = satellitesFromFileName(c.file);
    std::vector<std::string> names;
    for (const auto& s : list) {
      names.push_back(s.name);
      EXPECT_EQ(s.position, c.position) << c.file;
      EXPECT_EQ(std::signbit(s.position), c.position < 0) << c.file;  // 0W is no -0
    }
    EXPECT_EQ(names, c.names) << c.file;
  }
}

const std::vector<std::string> kFolder = {
    "Hotbird-13.0E",     "Astra-19.2E", "Astra-1KR-19.2E", "astra_19.2e",
    "Hotbird-13B-13.0E", "Thor-5-0.8W", "Eutelsat5_5.0W",  "junk",
};

TEST(Satellites, ListIsOrderedWestToEastAndGroupedByPosition) {
  const auto list = satellitesFromFileNames(kFolder);
  std::vector<std::string> names;
  for (const auto& s : list) names.push_back(s.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Eutelsat5 5.0W", "Thor 5 0.8W", "Hotbird 13.0E",
                                      "Hotbird 13B 13.0E", "Astra 19.2E", "Astra 1KR 19.2E"}));
  const auto groups = groupByPosition(list);
  ASSERT_EQ(groups.size(), 4U);
  EXPECT_EQ(groups[2].position, 13.0);
  EXPECT_EQ(groups[2].names, (std::vector<std::string>{"Hotbird 13.0E", "Hotbird 13B 13.0E"}));
}

// Names as people type them, against a part of the real folder.
const std::vector<Satellite> kListed = satellitesFromFileNames(
    {"Hotbird-13.0E", "Hotbird-13B-13.0E", "Hotbird-13E-13.0E", "Astra-19.2E", "Astra-1KR-19.2E",
     "Astra-23.5E", "Astra-28.2E", "Eutelsat-7A-7.0E", "Eutelsat-7B-7.0E", "Thor-5-0.8W",
     "Thor-6-0.8W", "EchoStar-9Galaxy-23-121.0W", "Intelsat-10-02-1.0W", "Intelsat-1002-1.0W",
     "Amos-4-65.0E", "Amos-4.0W", "ABS-2-75.0E", "ABS27-5.0E"});

struct Typed {
  const char* typed;
  const char* found;  // nullptr: none
  std::size_t candidates;
};
const Typed kTyped[] = {
    {"Hotbird 13E", "Hotbird 13E 13.0E", 0},  // the designation before the position
    {"Hot Bird 13E", "Hotbird 13E 13.0E", 0},
    {"hotbird 13.0e", "Hotbird 13.0E", 0},
    {"Hot-Bird 13,0°E", "Hotbird 13.0E", 0},
    {"Astra 19.2°E", "Astra 19.2E", 0},
    {"Astra 19.2 E", "Astra 19.2E", 0},
    {"  astra-19,2e ", "Astra 19.2E", 0},
    {"Astra E19.2", "Astra 19.2E", 0},
    {"Astra 19°12'E", "Astra 19.2E", 0},
    {"Astra 1KR", "Astra 1KR 19.2E", 0},
    {"Eutelsat 7A", "Eutelsat 7A 7.0E", 0},
    {"HOTBIRD_13B 13.0e", "Hotbird 13B 13.0E", 0},
    {"Thor 5 0.8W", "Thor 5 0.8W", 0},
    {"Galaxy 23", "Galaxy 23 121.0W", 0},
    {"EchoStar 9 121W", "EchoStar 9 121.0W", 0},
    {"Intelsat 1002", "Intelsat 10 02 1.0W", 0},  // the two spellings are one
    {"Amos 4", "Amos 4 65.0E", 0},
    {"Amos 4W", "Amos 4.0W", 0},
    {"ABS 2 75.0E", "ABS 2 75.0E", 0},  // as listed, though another is spelt alike
    {"ABS27 5.0E", "ABS27 5.0E", 0},
    {"abs-27 5.0e", nullptr, 2},
    {"Astra", nullptr, 3},      // at three positions
    {"Thor 0.8W", nullptr, 2},  // two Thors there
    {"Astra 1", nullptr, 2},    // not a whole name
    {"Astar", nullptr, 0},
    {"", nullptr, 0},
};

// A list that keeps its keys finds as the plain list does.
const SatelliteList kKept(kListed);

TEST(Satellites, NamesAsPeopleTypeThem) {
  for (const auto& t : kTyped) {
    for (const SatelliteMatch& m : {matchSatellite(kListed, t.typed), kKept.match(t.typed)}) {
      EXPECT_EQ(m.found != nullptr ? m.found->name.c_str() : "<none>",
                std::string(t.found != nullptr ? t.found : "<none>"))
          << t.typed;
      EXPECT_EQ(m.candidates.size(), t.candidates) << t.typed;
    }
  }
  EXPECT_EQ(matchSatellite(kListed, "Hotbird 13O", {'N', 'O', 'S', 'W'}).found->name,
            "Hotbird 13.0E");
}

TEST(Satellites, Completion) {
  const struct {
    const char* prefix;
    std::size_t count;
  } kPrefixes[] = {{"astra", 4},    {"Astra 1", 2}, {"astra 1k", 1},  {"hot", 3},
                   {"Hot Bird", 3}, {"x", 0},       {"thor 0.8w", 2}, {"", kListed.size()}};
  for (const auto& p : kPrefixes) {
    EXPECT_EQ(completeSatellite(kListed, p.prefix).size(), p.count) << p.prefix;
    EXPECT_EQ(kKept.complete(p.prefix).size(), p.count) << p.prefix;
  }
}

TEST(Satellites, FolderReading) {
  EXPECT_TRUE(readSatelliteDirectory("/nonexistent/dvb-s").empty());
  const auto dir = std::filesystem::temp_directory_path() / "kestrion_satellites_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "Astra-19.2E") << "";
  std::ofstream(dir / "notes.txt") << "";
  const auto list = readSatelliteDirectory(dir.string());
  ASSERT_EQ(list.size(), 1U);
  EXPECT_EQ(list[0].name, "Astra 19.2E");
  // A folder of its own is not the scan tables' list every session shares.
  SatelliteNames own(dir.string());
  EXPECT_EQ(own.find("astra 19,2e").name, "Astra 19.2E");
  EXPECT_EQ(own.complete("").size(), 1U);
  EXPECT_NE(&own.all(), &SatelliteNames().all());
  EXPECT_EQ(&SatelliteNames().all(), &SatelliteNames().all());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kestrion
