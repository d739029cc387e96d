#include "dms_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kestrion {

std::optional<std::string> dmsText(std::string_view label, AngleKind kind,
                                   const CompassLetters& letters) {
  const AngleReading reading = readAngle(label, kind);
  if (!reading.entry) {
    return std::nullopt;
  }
  // Whole arithmetic on the stored ten-thousandths: 0.0001° is 0.36", so a
  // second is 100/36 units, and nothing is lost to binary rounding. The
  // stored value lies within 0.18" of a whole-second site, well inside the
  // half second that rounds back to it.
  const std::int64_t units = std::llabs(reading.entry->tenThousandths);
  const std::int64_t seconds = (units * 36 + 50) / 100;
  const std::int64_t degrees = seconds / 3600;
  const std::int64_t minutes = seconds % 3600 / 60;
  const bool negative = reading.entry->tenThousandths < 0;
  const char hemisphere = kind == AngleKind::Latitude ? (negative ? letters.south : letters.north)
                                                      : (negative ? letters.west : letters.east);
  return std::to_string(degrees) + "°" + std::to_string(minutes) + "'" +
         std::to_string(seconds % 60) + "\"" + hemisphere;
}

std::string eastWestText(double degrees, int decimals, const CompassLetters& letters) {
  // Fixed decimals whatever the C locale says: the window runs in the user's
  // locale, and a decimal comma would disagree with every other figure.
  std::array<char, 32> digits{};
  const auto res = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(degrees),
                                 std::chars_format::fixed, decimals);
  return std::string(digits.data(), res.ptr) + "° " + (degrees < 0 ? letters.west : letters.east);
}

}  // namespace kestrion
