// The rain availability as the window's section, the job sheet and the
// browser report it: the state's own figures as shown, nothing reported
// until it is set up, and a section that starts from events the rain fade
// takes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "api/kestrion_api.h"
#include "session/rain_availability.h"
#include "session/report.h"
#include "session/session.h"

namespace kestrion {
namespace {

using Json = nlohmann::json;

// An isotherm map 5 x 9 of 2.64 km everywhere: a rain height of 3 km. In a
// folder of the process's own, as ctest runs these tests side by side and the
// report shows the file's name.
std::string isothermMap() {
  const std::string folder = testing::TempDir() + "kestrion-" + std::to_string(::getpid());
  ::mkdir(folder.c_str(), 0700);
  const std::string path = folder + "/h0_flat.txt";
  std::FILE* file = std::fopen(path.c_str(), "w");
  for (int row = 0; row < 5; ++row) {
    std::fputs("2.64 2.64 2.64 2.64 2.64 2.64 2.64 2.64 2.64\n", file);
  }
  std::fclose(file);
  return path;
}

struct Shown {
  std::map<std::string, std::string> rows;  // id: value and unit
  Json state;                               // the state's rainFade
};

// The report's rows and the state after the events, the percents the
// section shows asked of the state too.
Shown shownAfter(const std::vector<std::string>& events) {
  Session session({2026, 1, 1}, 0);
  EXPECT_EQ(session.load().status, RunStatus::ran);
  for (const std::string& event : events) {
    EXPECT_EQ(session.run(event).status, RunStatus::ran) << event;
  }
  EXPECT_EQ(session.run("percent:=0.1,0.05,0.01").status, RunStatus::ran);
  const ReportState state{
      session.calculator().window(), session.pointing(), {2026, 1, 1}, 0, {}, {},
      &*session.rainFade()};
  const Report report(state, &untranslated);
  Shown shown{{}, Json::parse(session.stateJson("x"))["rainFade"]};
  for (const auto& part : {report.rainFadeBasis(), report.rainFadeResults()}) {
    for (const Quantity& q : part) {
      shown.rows[q.id] = q.unit.empty() ? q.value : q.value + " " + q.unit;
    }
  }
  return shown;
}

struct Case {
  const char* name;
  std::vector<std::string> events;
};

class RainReport : public testing::TestWithParam<Case> {};

TEST_P(RainReport, ShowsTheStatesFigures) {
  const auto [rows, fade] = shownAfter(GetParam().events);
  EXPECT_EQ(rows.at("rainFade.rainRate"), shortText(fade["rainRate"], 1) + " mm/h");
  EXPECT_EQ(rows.at("rainFade.rainHeight"), shortText(fade["rainHeight"], 2) + " km");
  EXPECT_EQ(rows.at("rainFade.margin"), fixedText(fade["margin"], 2) + " dB");
  for (std::size_t i = 0; i < kSectionPercents.size(); ++i) {
    const std::string percent = fade["percent"][i].dump();
    EXPECT_EQ(rows.at("rainFade.attenuation:" + percent),
              fixedText(fade["attenuation"][i]["attenuation"], 2) + " dB");
    EXPECT_EQ(rows.at("rainFade.carrierToNoiseDrop:" + percent),
              fixedText(fade["carrierToNoiseDrop"][i]["drop"], 2) + " dB");
  }
  const Json& availability = fade["availability"];
  const std::string bound = availability["bound"];
  const std::string limit = shortText(availability["percent"], 3);
  EXPECT_EQ(rows.at("rainFade.availability"), bound == "within"
                                                  ? fixedText(availability["percent"], 3) + " %"
                                              : bound == "atLeast" ? "over " + limit + " %"
                                                                   : "under " + limit + " %");
  EXPECT_EQ(rows.at("rainFade.dishDiameter"), fade["dishDiameter"].is_null()
                                                  ? "none up to 500 cm"
                                                  : fade["dishDiameter"].dump() + " cm");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RainReport,
    testing::Values(Case{"TypedVerticalDvbS2",
                         {"frequency:=11.7", "tilt:=vertical", "rain-rate:=28", "rain-height:=2.5",
                          "required-cn:=QPSK 3/4", "target:=99.95", "HScroll21=60"}},
                    Case{"ZoneNearTheEquatorNoDishEnough",
                         {"frequency:=12", "rain-zone:=N", "rain-height:=4.5",
                          "required-cn:=16APSK 3/4", "target:=99.99", "latitude:=5"}},
                    Case{"MapHeightTiltedKa",
                         {"frequency:=20", "tilt:=30", "rain-rate:=50",
                          "rain-height-map:=" + isothermMap(), "station-height:=0.3",
                          "required-cn:=2", "target:=99.5"}},
                    Case{"BigDishOutlastsTheYear",
                         {"frequency:=4", "rain-zone:=A", "rain-height:=2", "required-cn:=-2",
                          "target:=99", "HScroll21=500"}},
                    Case{"MarginUsedUp",
                         {"frequency:=30", "rain-zone:=P", "rain-height:=5", "required-cn:=16",
                          "target:=95", "HScroll21=20"}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

struct Status {
  const char* name;
  std::vector<std::string> events;
  const char* id;
  const char* value;
};

class RainReportStatus : public testing::TestWithParam<Status> {};

// What stands instead of the figures, and where the inputs came from.
TEST_P(RainReportStatus, SaysWhatStandsInstead) {
  const Status& s = GetParam();
  EXPECT_EQ(shownAfter(s.events).rows.at(s.id), s.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RainReportStatus,
    testing::Values(Status{"Missing",
                           {"rain-height:=3"},
                           "rainFade.missing",
                           "still needs: Frequency, Rain rate R0.01"},
                    Status{"BelowTheHorizon",
                           {"frequency:=12", "rain-zone:=K", "rain-height:=3", "satellite:=-120"},
                           "rainFade.note",
                           "none: the satellite is below the horizon"},
                    Status{"Zone",
                           {"rain-zone:=K"},
                           "rainFade.rainZone",
                           "zone K of the older ITU-R P.837-1 table"},
                    Status{"Map",
                           {"rain-height-map:=" + isothermMap()},
                           "rainFade.rainHeightMap",
                           "the ITU-R P.839 map h0_flat.txt"},
                    Status{"Polarization",
                           {"tilt:=-12.5"},
                           "rainFade.polarization",
                           "-12.5° from the horizontal"},
                    Status{"Site", {"frequency:=12"}, "rainFade.site", "20.75°, 60°"}),
    [](const testing::TestParamInfo<Status>& info) { return std::string(info.param.name); });

// Copy, the job sheet and the browser's report gain the rain availability
// only once an event has set it up.
TEST(RainReport, NothingUntilSetUp) {
  std::unique_ptr<kestrion_engine, decltype(&kestrion_close)> engine(kestrion_open(),
                                                                     &kestrion_close);
  const Json before = Json::parse(kestrion_report(engine.get(), nullptr));
  EXPECT_FALSE(before.contains("rainFade"));
  EXPECT_EQ(before["sheet"]["sections"].size(), 4U);
  ASSERT_EQ(kestrion_run(engine.get(), "frequency:=12"), KESTRION_OK);
  const Json after = Json::parse(kestrion_report(engine.get(), nullptr));
  EXPECT_EQ(after["sheet"]["sections"].size(), 6U);
  EXPECT_EQ(after["rainFade"]["basis"], after["sheet"]["sections"][4]["rows"]);
  const std::string copy = after["pages"][5]["copy"];
  EXPECT_EQ(copy.substr(0, before["pages"][5]["copy"].get<std::string>().size()),
            before["pages"][5]["copy"]);
  EXPECT_NE(copy.find("Frequency\t12 GHz\n"), std::string::npos);
}

// Found by fuzzing: a map whose path is no UTF-8 was taken, and the state
// that shows the path then ended the program; a control character in it
// split the message. Such a path is refused, the state left as it was.
TEST(RainFadeMap, APathOfNoPlainTextIsRefused) {
  const std::string map = isothermMap();
  for (const std::string name : {"h0\xff.txt", "h0\n.txt", "h0\x1b.txt"}) {
    const std::string path = map.substr(0, map.rfind('/') + 1) + name;
    std::rename(map.c_str(), path.c_str());
    Session session({2026, 1, 1}, 0);
    ASSERT_EQ(session.load().status, RunStatus::ran);
    const std::string before = session.stateJson(session.lastEvent());
    const RunResult result = session.run("rain-height-map:=" + path);
    std::rename(path.c_str(), map.c_str());
    EXPECT_EQ(result.status, RunStatus::refused);
    EXPECT_NE(result.message.find("is not plain UTF-8 text; allowed: the ITU-R P.839-4 map h0.txt"),
              std::string::npos)
        << result.message;
    EXPECT_EQ(result.message.find_first_of("\n\x1b"), std::string::npos) << result.message;
    EXPECT_EQ(session.stateJson(session.lastEvent()), before);
  }
}

// Every group starts from an event the rain fade takes, and has then
// something of its own.
TEST(RainSection, StartsFromEventsTheRainFadeTakes) {
  std::optional<RainFadeInputs> inputs;
  for (const std::string_view event : rainSectionStart()) {
    const auto result = runRainFadeEvent(inputs, event);
    ASSERT_TRUE(result) << event;
    EXPECT_EQ(result->status, RunStatus::ran) << event << ": " << result->message;
  }
  for (const RainSectionInput& input : rainSectionInputs()) {
    EXPECT_TRUE(hasRainSectionGroup(*inputs, rainSectionGroup(input.field)))
        << rainSectionGroup(input.field);
  }
  EXPECT_FALSE(hasRainSectionGroup(RainFadeInputs{}, "rain-rate"));
}

}  // namespace
}  // namespace kestrion
