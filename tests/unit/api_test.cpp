// The C interface the browser's engine exports: the same states and messages
// as kestrion-cli, refusals that change nothing, faults reported, not thrown.
#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "api/kestrion_api.h"
#include "session/motor_json.h"
#include "session/session.h"
#include "session/sun_json.h"

namespace {

using Engine = std::unique_ptr<kestrion_engine, decltype(&kestrion_close)>;

Engine open() {
  Engine engine(kestrion_open(), &kestrion_close);
  EXPECT_EQ(kestrion_set_date(engine.get(), "2026-01-01"), KESTRION_OK);
  return engine;
}

struct Call {
  const char* name;
  const char* event;
  int status;
  const char* messageStart;  // "" when the event ran
};

class ApiEvents : public testing::TestWithParam<Call> {};

TEST_P(ApiEvents, AnswersAsTheSessionDoes) {
  const Call& c = GetParam();
  Engine engine = open();
  kestrion::Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, kestrion::RunStatus::ran);
  const std::string before = kestrion_state(engine.get());

  EXPECT_EQ(kestrion_run(engine.get(), c.event), c.status);
  EXPECT_EQ(std::string(kestrion_message(engine.get())).rfind(c.messageStart, 0), 0U)
      << kestrion_message(engine.get());
  session.run(c.event);
  EXPECT_EQ(kestrion_state(engine.get()), session.stateJson(session.lastEvent()));
  if (c.status == KESTRION_REFUSED) {
    EXPECT_EQ(kestrion_state(engine.get()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Events, ApiEvents,
    testing::Values(
        Call{"Slider", "HScroll17=50", KESTRION_OK, ""}, Call{"Option", "Option2", KESTRION_OK, ""},
        Call{"Typed", "latitude:=33°55'29\"S", KESTRION_OK, ""},
        Call{"UnknownControl", "HScroll99=1", KESTRION_REFUSED, "event \"HScroll99=1\""},
        Call{"OutOfRange", "HScroll17=91", KESTRION_REFUSED, "event \"HScroll17=91\""},
        Call{"BadTypedAngle", "latitude:=95", KESTRION_REFUSED, "event \"latitude:=95\""},
        // Found by fuzzing: the rain fade's messages echoed control characters raw.
        Call{"RainFadeControlCharacter", "percent:=0.1\x01", KESTRION_REFUSED,
             "event \"percent:=0.1\\x01\": percent \"0.1\\x01\" is not a number"}),
    [](const testing::TestParamInfo<Call>& info) { return info.param.name; });

TEST(Api, AFaultIsReportedWithTheTextsWrittenBeforeIt) {
  Engine engine = open();
  ASSERT_EQ(kestrion_set_text(engine.get(), "rsat", "0"), KESTRION_OK);
  EXPECT_EQ(kestrion_run(engine.get(), "HScroll20=41"), KESTRION_FAULT);
  EXPECT_STREQ(kestrion_message(engine.get()),
               "event \"HScroll20=41\": floating-point fault in CarrierToNoiseCalc: division by "
               "zero");
  const auto state = nlohmann::json::parse(kestrion_state(engine.get()));
  EXPECT_EQ(state["texts"]["eirp"], "41");
}

TEST(Api, RefusesNullAndBadOptions) {
  Engine engine = open();
  EXPECT_EQ(kestrion_run(engine.get(), nullptr), KESTRION_REFUSED);
  EXPECT_EQ(kestrion_set_date(engine.get(), "2026-02-30"), KESTRION_REFUSED);
  EXPECT_EQ(kestrion_set_date(engine.get(), nullptr), KESTRION_REFUSED);
  EXPECT_EQ(kestrion_set_offset_angle(engine.get(), "46"), KESTRION_REFUSED);
  EXPECT_EQ(kestrion_set_text(engine.get(), "nosuch", "1"), KESTRION_REFUSED);
  EXPECT_NE(std::string(kestrion_message(engine.get())).find("nosuch"), std::string::npos);
  EXPECT_EQ(kestrion_set_offset_angle(engine.get(), "26.5"), KESTRION_OK);
  EXPECT_STREQ(kestrion_message(engine.get()), "");
  EXPECT_EQ(nlohmann::json::parse(kestrion_state(engine.get()))["pointing"]["offsetAngle"], 26.5);
}

TEST(Api, DescribesEveryControlOfTheTables) {
  Engine engine = open();
  const auto d = nlohmann::json::parse(kestrion_describe(engine.get()));
  EXPECT_EQ(d["pages"].size(), 6U);
  EXPECT_EQ(d["inputs"].size(), 25U);
  EXPECT_EQ(d["values"].size(), 37U);
  EXPECT_EQ(d["rainOptions"].size(), 4U);
  int sliders = 0;
  for (const auto& page : d["pages"]) {
    for (const auto& control : page["controls"]) {
      sliders += control["kind"] == "slider" ? 1 : 0;
    }
  }
  EXPECT_EQ(sliders, 25);
}

}  // namespace

namespace {

TEST(Api, ReportsInTheCataloguesLanguage) {
  Engine engine = open();
  const std::string catalogue = std::string("Caption\x1f") + "Eirp (dBW)\x1f" + "EIRP (dBW)\x1e" +
                                "AngleText\x1f" + "That is out of range.\x1f" + "Zu groß.";
  ASSERT_EQ(kestrion_set_translations(engine.get(), catalogue.c_str()), KESTRION_OK);
  const auto report = nlohmann::json::parse(kestrion_report(engine.get(), "Roof 7"));
  EXPECT_NE(report["pages"][5]["copy"].get<std::string>().find("EIRP\t40 dBW\n"),
            std::string::npos);
  EXPECT_EQ(report["sheet"]["site"], "Site: Roof 7");
  EXPECT_EQ(report["sheet"]["sections"].size(), 4U);
  EXPECT_STREQ(kestrion_angle_problem(engine.get(), "latitude", "52.5"), "");
  EXPECT_EQ(
      std::string(kestrion_angle_problem(engine.get(), "latitude", "95")).rfind("Zu groß. ", 0),
      0U);
  EXPECT_EQ(kestrion_set_translations(engine.get(), "no separators"), KESTRION_REFUSED);
  EXPECT_EQ(kestrion_set_translations(engine.get(), ""), KESTRION_OK);
}

// Found by fuzzing: a byte that is no UTF-8 in the site's name or a
// translation ended the report with an exception; it shows as U+FFFD.
TEST(Api, ReportsTextsThatAreNoUtf8) {
  for (const auto& [site, catalogue] : {std::pair{"Roof\x9b 7", ""}, std::pair{"Roof 7",
                                                                               "Caption\x1f"
                                                                               "Eirp (dBW)\x1f"
                                                                               "EIRP\xff"}}) {
    Engine engine = open();
    ASSERT_EQ(kestrion_set_translations(engine.get(), catalogue), KESTRION_OK);
    const std::string report = kestrion_report(engine.get(), site);
    ASSERT_TRUE(nlohmann::json::accept(report));
    EXPECT_NE(report.find("\xef\xbf\xbd"), std::string::npos);
    EXPECT_TRUE(nlohmann::json::accept(std::string(kestrion_aids(engine.get()))));
  }
}

// A value's text that is no UTF-8 made the state's writer throw, which ended
// the program; the state shows such bytes as U+FFFD.
TEST(Api, StateShowsValueTextsThatAreNoUtf8) {
  for (const auto& [text, shown] : {
           std::pair{"\xff", "\xef\xbf\xbd"},                  // no UTF-8 byte at all
           std::pair{"41\xc3", "41\xef\xbf\xbd"},              // cut inside a character
           std::pair{"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},  // overlong
       }) {
    Engine engine = open();
    ASSERT_EQ(kestrion_set_text(engine.get(), "Latitud", text), KESTRION_OK);
    const std::string state = kestrion_state(engine.get());
    ASSERT_TRUE(nlohmann::json::accept(state)) << state;
    EXPECT_EQ(nlohmann::json::parse(state)["texts"]["Latitud"], shown);
  }
}

}  // namespace

namespace {

// Every point of the arc is what the alignment page shows with the satellite
// slider at that position.
TEST(Api, TheArcHoldsThePagesTextsAndLeavesTheStateAlone) {
  Engine engine = open();
  ASSERT_EQ(kestrion_run(engine.get(), "latitude:=52.52"), KESTRION_OK);
  const std::string before = kestrion_state(engine.get());
  const std::string arcText = kestrion_arc(engine.get());
  const auto arc = nlohmann::json::parse(arcText);
  const auto names = nlohmann::json::parse(kestrion_describe(engine.get()))["arcValues"];
  ASSERT_EQ(arc.size(), 361U);
  // Written as the JSON writer writes it.
  EXPECT_EQ(nlohmann::ordered_json::parse(arcText).dump(), arcText);
  EXPECT_EQ(kestrion_state(engine.get()), before);
  for (const int position : {-180, -30, 0, 19, 180}) {
    ASSERT_EQ(kestrion_run(engine.get(), ("HScroll19=" + std::to_string(position)).c_str()),
              KESTRION_OK);
    const auto texts = nlohmann::json::parse(kestrion_state(engine.get()))["texts"];
    const auto& point = arc.at(static_cast<std::size_t>(position + 180));
    EXPECT_EQ(point["position"], position);
    EXPECT_EQ(point["elevation"], texts[names["elevation"].get<std::string>()]);
    EXPECT_EQ(point["azimuth"], texts[names["azimuth"].get<std::string>()]);
  }
}

}  // namespace

namespace {

// The signed face tilt is the one the page words, and absent where it shows none.
TEST(Api, GivesTheFaceTiltSigned) {
  Engine engine = open();
  const auto tilt = [&] {
    return nlohmann::json::parse(kestrion_aids(engine.get()))["faceTiltDegrees"];
  };
  ASSERT_EQ(kestrion_run(engine.get(), "latitude:=52.52"), KESTRION_OK);
  ASSERT_EQ(kestrion_set_offset_angle(engine.get(), "40"), KESTRION_OK);
  const std::string elevation = nlohmann::json::parse(kestrion_state(engine.get()))["texts"]["el"];
  EXPECT_DOUBLE_EQ(tilt().get<double>(), std::stod(elevation) - 40);
  EXPECT_LT(tilt().get<double>(), 0);
  ASSERT_EQ(kestrion_run(engine.get(), "HScroll19=120"), KESTRION_OK);
  EXPECT_TRUE(tilt().is_null());
}

}  // namespace

namespace {

// The sun through the C interface: the session's JSON with the options set,
// a refused option named with what is allowed and nothing changed.
TEST(ApiSun, OptionsStayAndRefusalsChangeNothing) {
  Engine engine = open();
  ASSERT_EQ(kestrion_run(engine.get(), "latitude:=52.52"), KESTRION_OK);
  ASSERT_EQ(kestrion_set_sun_option(engine.get(), "days", "40"), KESTRION_OK);
  EXPECT_EQ(kestrion_set_sun_option(engine.get(), "days", "0"), KESTRION_REFUSED);
  EXPECT_STREQ(kestrion_message(engine.get()),
               "--days \"0\" is outside the range; allowed: 1 to 3660 days");
  EXPECT_EQ(kestrion_set_sun_option(engine.get(), "colour", "red"), KESTRION_REFUSED);
  EXPECT_STREQ(kestrion_message(engine.get()),
               "sun option \"colour\" is unknown; allowed: days, diameter, frequency, "
               "obstacle-height, obstacle-distance, obstacle-margin");
  kestrion::Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, kestrion::RunStatus::ran);
  ASSERT_EQ(session.run("latitude:=52.52").status, kestrion::RunStatus::ran);
  kestrion::SunRequest request;
  request.days = 40;
  EXPECT_EQ(kestrion_sun(engine.get()), kestrion::sunJson(session, request));
  // From then on the job sheet has the sun, as the window's does.
  const auto sections =
      nlohmann::json::parse(kestrion_report(engine.get(), ""))["sheet"]["sections"];
  EXPECT_EQ(sections.back()["id"], "sun");
}

}  // namespace

namespace {

// The motor and the visible satellites through the C interface: the
// session's own figures, with the window's texts beside them; a limit the
// interface sets is the event's.
TEST(ApiMotor, GivesTheSessionsFiguresAndTakesTheLimit) {
  Engine engine = open();
  for (const char* event : {"latitude:=-33.9247", "longitude:=18.4241", "satellite:=30E"}) {
    ASSERT_EQ(kestrion_run(engine.get(), event), KESTRION_OK);
  }
  kestrion::Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, kestrion::RunStatus::ran);
  for (const char* event : {"latitude:=-33.9247", "longitude:=18.4241", "satellite:=30E"}) {
    ASSERT_EQ(session.run(event).status, kestrion::RunStatus::ran);
  }
  const std::string before = kestrion_state(engine.get());
  EXPECT_EQ(kestrion_set_motor_limit(engine.get(), "95"), KESTRION_REFUSED);
  EXPECT_STREQ(
      kestrion_message(engine.get()),
      "\"95\" is not taken. Enter a number of degrees either side of the meridian from 1 to 90.");
  EXPECT_EQ(kestrion_state(engine.get()), before);
  ASSERT_EQ(kestrion_set_motor_limit(engine.get(), "10"), KESTRION_OK);
  ASSERT_EQ(session.run("motorLimit:=10").status, kestrion::RunStatus::ran);
  const auto state = nlohmann::json::parse(session.stateJson("motorLimit:=10"));
  const auto motor = nlohmann::json::parse(kestrion_motor(engine.get()));
  EXPECT_EQ(motor["diseqc"], state["pointing"]["motor"]["diseqc"]);
  EXPECT_EQ(motor["angle"], state["pointing"]["motor"]["angle"]);
  EXPECT_EQ(motor["declinationOffset"], state["pointing"]["polarMount"]["declinationOffset"]);
  EXPECT_EQ(motor["beyondLimit"], true);
  EXPECT_EQ(motor["shown"]["limit"], "10°");

  auto visible = nlohmann::ordered_json::parse(kestrion_visible(engine.get()));
  ASSERT_FALSE(visible.empty());
  for (auto& v : visible) {
    EXPECT_TRUE(v["shown"]["elevation"].get<std::string>().ends_with("°"));
    v.erase("shown");
    v.erase("magneticBearing");
  }
  EXPECT_EQ(visible.dump(), kestrion::visibleSatellitesJson(kestrion::visibleSatellites(session)));
}

struct SecondLnb {
  const char* satellite;
  const char* diameter;
  const char* focalLength;
  const char* input;  // the input refused; "" for figures
  const char* says;   // a part of its message
};

class ApiMultifeed : public testing::TestWithParam<SecondLnb> {};

// Each refusal names the input it is about; figures are kestrion-cli's.
TEST_P(ApiMultifeed, NamesTheInputOrGivesTheFigures) {
  const SecondLnb& c = GetParam();
  Engine engine = open();
  ASSERT_EQ(kestrion_run(engine.get(), "satellite:=19.2E"), KESTRION_OK);
  const std::string before = kestrion_state(engine.get());
  const auto got = nlohmann::json::parse(
      kestrion_multifeed(engine.get(), c.satellite, c.diameter, c.focalLength));
  EXPECT_EQ(kestrion_state(engine.get()), before);
  // The job sheet has the second LNB only when its figures were given.
  const auto sections =
      nlohmann::json::parse(kestrion_report(engine.get(), ""))["sheet"]["sections"];
  EXPECT_EQ(sections.back()["id"] == "motor", *c.input == '\0') << c.satellite;
  if (*c.input != '\0') {
    EXPECT_EQ(got["problem"]["input"], c.input) << got.dump();
    EXPECT_NE(got["problem"]["message"].get<std::string>().find(c.says), std::string::npos)
        << got.dump();
    return;
  }
  kestrion::Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, kestrion::RunStatus::ran);
  ASSERT_EQ(session.run("satellite:=19.2E").status, kestrion::RunStatus::ran);
  const auto aid = kestrion::multifeedAid(session, {c.satellite, c.diameter, c.focalLength});
  const auto cli =
      nlohmann::json::parse(kestrion::multifeedJson(std::get<kestrion::MultifeedAid>(aid)));
  for (const auto& [key, value] : cli.items()) {
    EXPECT_EQ(got[key], value) << key;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ApiMultifeed,
    testing::Values(SecondLnb{"Hotbird 13E", "0.8", "0.6", "", ""},
                    SecondLnb{"13E", "0,8", "0.6", "diameter", "metres, from 0.2 to 5."},
                    SecondLnb{"13E", "0.8", "0.01", "focalLength", "metres, from 0.1 to 5."},
                    SecondLnb{"13E", "0.8", "4", "focalLength", "(F/D 5). Enter"},
                    SecondLnb{"Nowhere 99X", "0.8", "0.6", "satellite", "e.g. 19.2E"},
                    SecondLnb{"19.2E", "0.8", "0.6", "satellite", "another position"},
                    SecondLnb{"13W", "0.8", "0.6", "", ""},
                    SecondLnb{"", "0.8", "0.6", "satellite", "e.g. 19.2E"}));

// The sentence as translated, its arguments put in once: a typed "%2" stays.
TEST(ApiMultifeed, RefusesInTheCataloguesLanguage) {
  Engine engine = open();
  const std::string catalogue = std::string("kestrion::ui::MotorDialog\x1f") +
                                kestrion::kDiameterRefused + "\x1f%3 bis %2 m, nicht %1.";
  ASSERT_EQ(kestrion_set_translations(engine.get(), catalogue.c_str()), KESTRION_OK);
  const auto got = nlohmann::json::parse(kestrion_multifeed(engine.get(), "13E", "%2", "0.6"));
  EXPECT_EQ(got["problem"]["message"], "5 bis 0.2 m, nicht %2.");
}

}  // namespace
