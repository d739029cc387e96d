// The magnetic model against NOAA's published WMM2025 values, and how it
// reports weak fields, dates outside the model and unreadable data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/magnetic.h"

namespace kestrion::calc {
namespace {

// Builds without GeographicLib (Windows, libc++) have no model to test.
#if KESTRION_MAGNETIC_MODEL
#define SKIP_WITHOUT_MODEL() (void)0
#else
#define SKIP_WITHOUT_MODEL() GTEST_SKIP() << "built without the magnetic model"
#endif

// The test-value table of the WMM2025 report (NOAA NCEI and BGS, December
// 2024), also published by NCEI as WMM2025_TEST_VALUES.txt: decimal year,
// height above the WGS84 ellipsoid (km), latitude, longitude (240E written
// as -120), X and Y (nT) and D (degrees, to 0.01). H is checked against
// hypot(X, Y) of the published components.
struct Official {
  double year, heightKm, latitude, longitude, x, y, declination;
};
const Official kOfficial[] = {
    {2025.0, 0, 80, 0, 6521.6, 145.9, 1.28},
    {2025.0, 0, 0, 120, 39677.8, -109.6, -0.16},
    {2025.0, 0, -80, -120, 6117.5, 15751.9, 68.78},
    {2025.0, 100, 80, 0, 6216.0, 92.4, 0.85},
    {2025.0, 100, 0, 120, 37688.6, -96.2, -0.15},
    {2025.0, 100, -80, -120, 5907.6, 14780.3, 68.21},
    {2027.5, 0, 80, 0, 6500.8, 294.5, 2.59},
    {2027.5, 0, 0, 120, 39701.6, -167.4, -0.24},
    {2027.5, 0, -80, -120, 6200.7, 15730.3, 68.49},
    {2027.5, 100, 80, 0, 6196.7, 233.8, 2.16},
    {2027.5, 100, 0, 120, 37711.5, -148.7, -0.23},
    {2027.5, 100, -80, -120, 5984.0, 14760.1, 67.93},
};

const WorldMagneticModel& model() {
  static const WorldMagneticModel m(magneticDataDirectory(""));
  return m;
}

TEST(Magnetic, MatchesTheOfficialTestValues) {
  SKIP_WITHOUT_MODEL();
  for (const auto& o : kOfficial) {
    SCOPED_TRACE(testing::Message()
                 << o.year << " " << o.heightKm << " km " << o.latitude << " " << o.longitude);
    const auto r = model().atDecimalYear(o.latitude, o.longitude, o.year, o.heightKm * 1000);
    ASSERT_TRUE(r.field) << r.error;
    EXPECT_NEAR(r.field->declination, o.declination, 0.01);
    EXPECT_NEAR(r.field->horizontal, std::hypot(o.x, o.y), 0.15);
    EXPECT_EQ(r.field->cover, DateCover::within);
  }
}

struct DateCase {
  CalendarDate date;
  double year;  // NaN: no such date
  DateCover cover;
};
constexpr DateCover kWithin = DateCover::within;
constexpr DateCover kNearby = DateCover::nearby;
constexpr DateCover kBeyond = DateCover::beyond;
const DateCase kDates[] = {
    {{2023, 12, 31}, 2023 + 364.0 / 365, kBeyond},
    {{2024, 1, 1}, 2024.0, kNearby},
    {{2024, 12, 31}, 2024 + 365.0 / 366, kNearby},
    {{2025, 1, 1}, 2025.0, kWithin},
    {{2028, 7, 2}, 2028.5, kWithin},  // day 184 of a leap year
    {{2029, 12, 31}, 2029 + 364.0 / 365, kWithin},
    {{2030, 1, 1}, 2030.0, kNearby},
    {{2030, 12, 31}, 2030 + 364.0 / 365, kNearby},
    {{2031, 1, 1}, 2031.0, kBeyond},
    {{2027, 2, 29}, NAN, kBeyond},
    {{2028, 13, 1}, NAN, kBeyond},
};

TEST(Magnetic, DecimalYearAndDateBands) {
  SKIP_WITHOUT_MODEL();
  for (const auto& c : kDates) {
    SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
    const auto year = wmmDecimalYear(c.date);
    const auto r = model().at(52.52, 13.405, c.date);
    if (std::isnan(c.year)) {
      EXPECT_FALSE(year);
      EXPECT_FALSE(r.field);
      EXPECT_NE(r.error.find("date"), std::string::npos);
      continue;
    }
    ASSERT_TRUE(year);
    EXPECT_DOUBLE_EQ(*year, c.year);
    ASSERT_TRUE(r.field) << r.error;
    EXPECT_EQ(r.field->cover, c.cover);  // values are still given outside
  }
}

TEST(Magnetic, WeakHorizontalFieldNearTheMagneticPoles) {
  SKIP_WITHOUT_MODEL();
  const struct {
    double latitude, longitude;
    bool weak;
  } kSites[] = {{86, 150, true}, {-64, 135, true}, {52.52, 13.405, false}, {0, 120, false}};
  for (const auto& s : kSites) {
    const auto r = model().at(s.latitude, s.longitude, {2026, 1, 1});
    ASSERT_TRUE(r.field) << r.error;
    EXPECT_EQ(r.field->weak(), s.weak) << s.latitude << " " << s.longitude;
  }
}

TEST(Magnetic, UnreadableDataGiveAnErrorNamingTheFolder) {
  SKIP_WITHOUT_MODEL();
  const auto base = std::filesystem::temp_directory_path() / "kestrion_magnetic_test";
  std::filesystem::remove_all(base);
  const auto source = std::filesystem::path(magneticDataDirectory(""));
  const struct {
    const char* name;
    const char* metadata;  // nullptr: copy the real one
    std::size_t cofBytes;  // bytes of the real .cof kept
  } kCases[] = {
      {"missing", "", 0},
      {"no_signature", "not a model\n", 0},
      {"truncated", nullptr, 100},
  };
  for (const auto& c : kCases) {
    const auto dir = base / c.name;
    std::filesystem::create_directories(dir);
    if (c.metadata == nullptr) {
      std::filesystem::copy_file(source / "wmm2025.wmm", dir / "wmm2025.wmm");
    } else if (*c.metadata != '\0') {
      std::ofstream(dir / "wmm2025.wmm") << c.metadata;
    }
    if (c.cofBytes > 0) {
      std::ifstream in(source / "wmm2025.wmm.cof", std::ios::binary);
      std::string bytes(c.cofBytes, '\0');
      in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      std::ofstream(dir / "wmm2025.wmm.cof", std::ios::binary) << bytes;
    }
    const WorldMagneticModel broken(dir.string());
    const auto r = broken.at(52.52, 13.405, {2026, 1, 1});
    EXPECT_FALSE(r.field) << c.name;
    EXPECT_NE(r.error.find(dir.string()), std::string::npos) << r.error;
    EXPECT_EQ(broken.loadError(), r.error);
  }
  std::filesystem::remove_all(base);
}

TEST(Magnetic, DataFolderPrecedence) {
  const std::string real = magneticDataDirectory("");
  ::unsetenv("KESTRION_MAGNETIC_DIR");
  EXPECT_EQ(magneticDataDirectory("/given", "/nowhere", real), "/given");
  EXPECT_EQ(magneticDataDirectory("", "/nowhere", real), real);  // the installed one is absent
  EXPECT_EQ(magneticDataDirectory("", real, "/other"), real);
  ::setenv("KESTRION_MAGNETIC_DIR", "/from/env", 1);
  EXPECT_EQ(magneticDataDirectory("", real, real), "/from/env");
  ::unsetenv("KESTRION_MAGNETIC_DIR");
}

}  // namespace
}  // namespace kestrion::calc
