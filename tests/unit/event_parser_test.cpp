// The command-line events: what is accepted, and how a refusal reads.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "session/event.h"

namespace kestrion {
namespace {

TEST(EventParser, AcceptsSliderMovesAndOptionClicks) {
  struct Case {
    const char* text;
    Event expected;
  };
  const Case cases[] = {
      {"HScroll1=0", SliderMove{Input::lnbNoiseFigure, SliderEvent::Change, 0}},
      {"HScroll25~100", SliderMove{Input::bandwidth, SliderEvent::Scroll, 100}},
      {"HScroll17=-90", SliderMove{Input::latitude, SliderEvent::Change, -90}},
      {"HScroll6=10000", SliderMove{Input::converterTemperature, SliderEvent::Change, 10000}},
      {"rainoff", RainClick{Rain::clearSky}},
      {"Option3", RainClick{Rain::rate50}},
  };
  for (const auto& c : cases) {
    const auto parsed = parseEvent(c.text);
    ASSERT_TRUE(std::holds_alternative<Event>(parsed)) << c.text;
    const Event& e = std::get<Event>(parsed);
    ASSERT_EQ(e.index(), c.expected.index()) << c.text;
    if (const auto* m = std::get_if<SliderMove>(&e)) {
      const auto& x = std::get<SliderMove>(c.expected);
      EXPECT_EQ(m->input, x.input) << c.text;
      EXPECT_EQ(m->event, x.event) << c.text;
      EXPECT_EQ(m->position, x.position) << c.text;
    } else {
      EXPECT_EQ(std::get<RainClick>(e).option, std::get<RainClick>(c.expected).option);
    }
  }
}

// A refusal names the event, says what is wrong and what is allowed.
TEST(EventParser, RefusalsSayWhatIsWrongAndWhatIsAllowed) {
  struct Case {
    const char* text;
    const char* wrong;
    const char* allowed;
  };
  const Case cases[] = {
      {"", "empty event", "HScrollN=P"},
      {"HScroll26=1", "unknown control \"HScroll26\"", "N 1..25"},
      {"hscroll1=1", "unknown control", "rainoff, Option1, Option2, Option3"},
      {"Option4", "unknown control \"Option4\"", "rainoff"},
      {"HScroll1", "needs a position", "HScrollN=P"},
      {"HScroll1=", "is not a whole number", "range 0..100"},
      {"HScroll1=abc", "position \"abc\" is not a whole number", "range 0..100"},
      {"HScroll1=1.5", "is not a whole number", "range 0..100"},
      {"HScroll1=+5", "is not a whole number", "range 0..100"},
      {"HScroll1=5 ", "is not a whole number", "range 0..100"},
      {"HScroll1=101", "outside HScroll1's range", "allowed: 0..100"},
      {"HScroll17~-91", "outside HScroll17's range", "allowed: -90..90"},
      {"HScroll6=99999999999999999999", "outside HScroll6's range", "allowed: 0..10000"},
      {"=5", "unknown control \"\"", "HScrollN=P"},
  };
  for (const auto& c : cases) {
    const auto parsed = parseEvent(c.text);
    ASSERT_TRUE(std::holds_alternative<EventError>(parsed)) << c.text;
    const std::string& message = std::get<EventError>(parsed).message;
    EXPECT_NE(message.find("event \"" + std::string(c.text) + "\""), std::string::npos) << message;
    EXPECT_NE(message.find(c.wrong), std::string::npos) << message;
    EXPECT_NE(message.find(c.allowed), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
}

TEST(EventParser, ControlCharactersAreEscapedInRefusals) {
  const auto parsed = parseEvent("HScroll1=\t5");
  ASSERT_TRUE(std::holds_alternative<EventError>(parsed));
  EXPECT_NE(std::get<EventError>(parsed).message.find("\\x09"), std::string::npos);
}

}  // namespace
}  // namespace kestrion
