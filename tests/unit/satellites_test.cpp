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
  const char* name;  // nullptr: not a satellite
  double position;
};
const NameCase kNames[] = {
    {"Astra-19.2E", "Astra 19.2E", 19.2},
    {"Hotbird-13.0E", "Hotbird 13.0E", 13.0},
    {"Eutelsat-5-West-A-5.0W", "Eutelsat 5 West A 5.0W", -5.0},
    {"Eutelsat5_5.0W", "Eutelsat5 5.0W", -5.0},
    {"Galaxy13_C-127.0W", "Galaxy13 C 127.0W", -127.0},
    {"EutelsatW2-16E", "EutelsatW2 16E", 16.0},
    {"Echostar-10+11-110.0W", "Echostar 10+11 110.0W", -110.0},
    {"Intelsat-10-02-1.0W", "Intelsat 10 02 1.0W", -1.0},
    {"Intelsat-18-180.0E", "Intelsat 18 180.0E", 180.0},
    {"Thor-0.0W", "Thor 0.0W", 0.0},
    {"Astra-19.2", nullptr, 0},
    {"Astra-19.2N", nullptr, 0},
    {"Astra-190.0E", nullptr, 0},
    {"Astra-1234E", nullptr, 0},
    {"Astra-19.E", nullptr, 0},
    {"-19.2E", nullptr, 0},
    {"+-19.2E", nullptr, 0},
    {"Astra 19.2E", nullptr, 0},  // blanks never occur in the folder
    {"Astra\n-19.2E", nullptr, 0},
    {"README", nullptr, 0},
    {"", nullptr, 0},
};

TEST(Satellites, FileNames) {
  for (const auto& c : kNames) {
    const auto s = satelliteFromFileName(c.file);
    if (c.name == nullptr) {
      EXPECT_FALSE(s) << c.file;
      continue;
    }
    ASSERT_TRUE(s) << c.file;
    EXPECT_EQ(s->name, c.name);
    EXPECT_EQ(s->position, c.position) << c.file;
    EXPECT_EQ(std::signbit(s->position), c.position < 0) << c.file;  // 0W is no -0
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

TEST(Satellites, LookupAndCompletionIgnoreCaseAndSeparators) {
  const auto list = satellitesFromFileNames(kFolder);
  const struct {
    const char* typed;
    const char* found;  // nullptr: none
  } kLookups[] = {
      {"Astra 19.2E", "Astra 19.2E"},
      {"  astra-19,2e ", "Astra 19.2E"},
      {"HOTBIRD_13B 13.0e", "Hotbird 13B 13.0E"},
      {"Astra", nullptr},
      {"", nullptr},
  };
  for (const auto& l : kLookups) {
    const Satellite* s = findSatellite(list, l.typed);
    if (l.found == nullptr) {
      EXPECT_EQ(s, nullptr) << l.typed;
    } else {
      ASSERT_NE(s, nullptr) << l.typed;
      EXPECT_EQ(s->name, l.found);
    }
  }
  const struct {
    const char* prefix;
    std::size_t count;
  } kPrefixes[] = {{"astra", 2}, {"Astra 1", 2}, {"astra 1k", 1}, {"hot", 2}, {"x", 0}, {"", 6}};
  for (const auto& p : kPrefixes) {
    EXPECT_EQ(completeSatellite(list, p.prefix).size(), p.count) << p.prefix;
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
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kestrion
