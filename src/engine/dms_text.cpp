#include "dms_text.h"

#include <cstdlib>

namespace kestrion {

std::optional<std::string> dmsText(std::string_view label, AngleKind kind) {
  const AngleReading reading = readAngle(label, kind);
  if (!reading.entry) {
    return std::nullopt;
  }
  // Whole arithmetic on the stored ten-thousandths: 0.0001° is 0.36", so
  // tenths of a second are 3.6 units, and nothing is lost to binary rounding.
  const std::int64_t units = std::llabs(reading.entry->tenThousandths);
  const std::int64_t tenths = (units * 36 + 5) / 10;
  const std::int64_t degrees = tenths / 36000;
  const std::int64_t minutes = tenths % 36000 / 600;
  const std::int64_t seconds = tenths % 600;
  const bool negative = reading.entry->tenThousandths < 0;
  const char hemisphere =
      kind == AngleKind::Latitude ? (negative ? 'S' : 'N') : (negative ? 'W' : 'E');
  return std::to_string(degrees) + "°" + std::to_string(minutes) + "'" +
         std::to_string(seconds / 10) + "." + std::to_string(seconds % 10) + "\"" + hemisphere;
}

}  // namespace kestrion
