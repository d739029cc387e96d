// What every front-end takes from its Session: one way to quote a refused
// event, and the state line written as a JSON reader reads it back.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "session/session.h"

namespace kestrion {
namespace {

// The parser, a typed entry and the rain fade each refuse their own events;
// the message quotes the event and the value one way, on one line.
TEST(SessionRefusals, QuoteTheEventOneWay) {
  struct Case {
    std::string event;
    std::string start;
  };
  const std::string nines(70, '9');
  const std::string cut = "\u2026\"";
  const Case cases[] = {
      {"HScroll1=\t5", "event \"HScroll1=\\x095\": position \"\\x095\""},
      {"latitude:=\"5\\", "event \"latitude:=\\\"5\\\\\": "},
      {"frequency:=1\t2", "event \"frequency:=1\\x092\": frequency \"1\\x092\" is not a number"},
      {"frequency:=" + nines, "event \"frequency:=" + nines.substr(0, 49) + cut + ": frequency \"" +
                                  nines.substr(0, 60) + cut + " is outside the range"},
      {"rain-zone:=\x7f", "event \"rain-zone:=\\x7f\": rain-zone \"\\x7f\" is no rain zone"},
  };
  Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, RunStatus::ran);
  for (const Case& c : cases) {
    const RunResult result = session.run(c.event);
    EXPECT_EQ(result.status, RunStatus::refused) << c.event;
    EXPECT_EQ(result.message.substr(0, c.start.size()), c.start);
    EXPECT_EQ(result.message.find_first_of("\t\n\x7f"), std::string::npos) << result.message;
  }
}

// Texts a plain ASCII label never holds still come back as they were.
TEST(SessionState, TextsReadBackAsWritten) {
  const std::string texts[] = {
      "12.5", "", "a \"quoted\" \\ text", "tab\tline\ncontrol\x01 delete\x7f", "51° 30′ N",
  };
  Session session({2026, 1, 1}, 0);
  ASSERT_EQ(session.load().status, RunStatus::ran);
  for (const std::string& text : texts) {
    session.calculator().window().setText(Input::latitude, text);
    const std::string line = session.stateJson("load");
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    const auto state = nlohmann::json::parse(line);
    EXPECT_EQ(state["texts"][std::string(name(valueLabel(Input::latitude)))], text);
    EXPECT_EQ(state["event"], "load");
  }
}

}  // namespace
}  // namespace kestrion
