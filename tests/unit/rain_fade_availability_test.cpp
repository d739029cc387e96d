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
#include "session/rain_fade_availability.h"
#include "session/report.h"
#include "session/session.h"

namespace kestrion {
namespace {

using Json = nlohmann::json;

// A file in a folder of the process's own, as ctest runs these tests side by
// side and the report shows the file's name.
std::string writtenFile(const std::string& name, const std::string& text) {
  const std::string folder = testing::TempDir() + "kestrion-" + std::to_string(::getpid());
  ::mkdir(folder.c_str(), 0700);
  const std::string path = folder + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "w");
  std::fputs(text.c_str(), file);
  std::fclose(file);
  return path;
}

// The isotherm map's 121 x 241 grid of 2.64 km everywhere: a rain height of 3 km.
std::string isothermMap() {
  std::string row;
  for (int column = 0; column < 241; ++column) {
    row += "2.64 ";
  }
  std::string text;
  for (int i = 0; i < 121; ++i) {
    text += row + '\n';
  }
  return writtenFile("h0_flat.txt", text);
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
  // A margin under nothing is said plainly: the link fails without rain.
  EXPECT_EQ(rows.at("rainFade.margin"),
            fixedText(fade["margin"], 2) +
                (fade["margin"].get<double>() < 0 ? " dB: fails even in clear sky" : " dB"));
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

struct Heights {
  const char* name;
  std::vector<std::string> events;
  const char* warning;  // none when empty
};

class RainWarning : public testing::TestWithParam<Heights> {};

// A station at or above the rain height: every fade 0 dB, and a warning in
// the state, beside the results, in Copy and on the sheet's rain page.
TEST_P(RainWarning, StationNotBelowTheRainHeight) {
  const Heights& h = GetParam();
  std::unique_ptr<kestrion_engine, decltype(&kestrion_close)> engine(kestrion_open(),
                                                                     &kestrion_close);
  for (const std::string& event : h.events) {
    ASSERT_EQ(kestrion_run(engine.get(), event.c_str()), KESTRION_OK) << event;
  }
  const Json fade = Json::parse(kestrion_state(engine.get()))["rainFade"];
  const Json report = Json::parse(kestrion_report(engine.get(), nullptr));
  const std::string copy = report["pages"][5]["copy"];
  if (*h.warning == '\0') {
    EXPECT_EQ(fade["warnings"], Json::array());
    EXPECT_EQ(report["rainFade"]["warnings"], Json::array());
    EXPECT_EQ(copy.find("Warning\t"), std::string::npos);
    return;
  }
  EXPECT_EQ(fade["warnings"], Json::array({h.warning}));
  EXPECT_EQ(report["rainFade"]["warnings"], fade["warnings"]);
  EXPECT_NE(copy.find(std::string("Warning\t") + h.warning + "\n"), std::string::npos) << copy;
  for (const Json& a : fade["attenuation"]) {
    EXPECT_EQ(a["attenuation"], 0) << a;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RainWarning,
    testing::Values(
        Heights{"Above",
                {"frequency:=12", "rain-zone:=K", "rain-height:=3", "station-height:=6"},
                "The station height (6 km) is at or above the rain height (3 km): the path meets "
                "no rain, so every fade shows 0 dB. Check both heights (in km above sea level)."},
        Heights{"AtItFromTheMap",
                {"frequency:=12", "rain-zone:=K", "rain-height-map:=" + isothermMap(),
                 "station-height:=3"},
                "The station height (3 km) is at or above the rain height (3 km): the path meets "
                "no rain, so every fade shows 0 dB. Check both heights (in km above sea level)."},
        Heights{"JustBelow",
                {"frequency:=12", "rain-zone:=K", "rain-height:=3", "station-height:=2.99"},
                ""},
        Heights{"NoRainHeightYet", {"station-height:=6"}, ""}),
    [](const testing::TestParamInfo<Heights>& info) { return std::string(info.param.name); });

// The browser's way in: a refusal is the input's own message, naming a map
// file as the user chose it, and changes nothing.
TEST(RainSection, RefusalsForTheFieldBesideIt) {
  std::unique_ptr<kestrion_engine, decltype(&kestrion_close)> engine(kestrion_open(),
                                                                     &kestrion_close);
  const std::string grid = writtenFile("upload_1", "1 2 3\n4 5 6\n");
  const std::string mapEvent = "rain-rate-map:=" + grid;
  struct Refusal {
    std::string event;
    const char* fileName;
    std::string message;
  };
  for (const Refusal& r : {
           Refusal{"station-height:=650", nullptr, "the station height is in km (650 m is 0.65)"},
           Refusal{mapEvent, "my R001.TXT",
                   "my R001.TXT: 2 rows of 3 values; allowed: the ITU-R P.837-7 map R001.TXT, "
                   "1441 rows of 2881 values (0.125° apart, rows from 90° S to 90° N, columns "
                   "from 180° W to 180° E)"},
           Refusal{"required-cn:=8PSK 7/8", nullptr,
                   "DVB-S2 has no 8PSK 7/8; its 8PSK code rates are 3/5, 2/3, 3/4, 5/6, 8/9, "
                   "9/10"},
           Refusal{"required-cn:=9PSK 7/8", nullptr,
                   "\"9PSK 7/8\" is not taken. Enter a C/N from -10 to 40 dB, or a DVB-S2 "
                   "modulation"},
           Refusal{"rain-zone:=%2", nullptr,
                   "\"%2\" is not taken. Choose a zone letter of the ITU-R P.837-1 table: ABC"},
           Refusal{"HScroll17=50", nullptr,
                   "event \"HScroll17=50\" sets no rain fade input; allowed: NAME:=VALUE with a "
                   "NAME of kestrion-cli's rain fade events"},
       }) {
    const std::string before = kestrion_state(engine.get());
    EXPECT_EQ(kestrion_set_rain_input(engine.get(), r.event.c_str(), r.fileName), KESTRION_REFUSED);
    EXPECT_EQ(std::string(kestrion_message(engine.get())).substr(0, r.message.size()), r.message);
    EXPECT_EQ(kestrion_state(engine.get()), before);
  }
  ASSERT_EQ(kestrion_set_rain_input(engine.get(), "station-height:=0.65", nullptr), KESTRION_OK);
  const Json state = Json::parse(kestrion_state(engine.get()));
  EXPECT_EQ(state["event"], "station-height:=0.65");
  EXPECT_EQ(state["rainFade"]["stationHeight"], 0.65);
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
