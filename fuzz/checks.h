// What the targets ask of every text the engine gives back: a message is one
// line of plain text, a JSON text is JSON (checked without building it, as
// that is most of the cost), and a state reads back to itself, so a reader
// gets all the writer wrote (no duplicate key, no number that prints
// otherwise).
#pragma once

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace kestrion::fuzz {

inline bool oneLine(std::string_view text) {
  return !text.empty() && text.find_first_of(std::string_view("\n\r\0", 3)) == std::string::npos;
}

inline void isJson(const std::string& text) {
  if (!nlohmann::json::accept(text)) {
    std::abort();
  }
}

// The text read as JSON; stops the run when it does not read back.
inline nlohmann::ordered_json readBack(const std::string& text) {
  auto json = nlohmann::ordered_json::parse(text, nullptr, false);
  if (json.is_discarded() || json.dump() != text) {
    std::abort();
  }
  return json;
}

}  // namespace kestrion::fuzz
