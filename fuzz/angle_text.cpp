// The typed-angle reader never crashes, stores only in-range values whose
// label reads back to the same value, and rounds plain decimals as the 5th
// decimal digit says (checked here on the digits, without the reader).
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/angle_text.h"

namespace {

using kestrion::AngleKind;

// "[-]digits[.digits]" rounded to 0.0001, ties away from zero, on the digits.
std::optional<std::int64_t> plainDecimal(std::string_view s) {
  const bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  const auto point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
  if (whole.empty() || whole.size() > 4) return std::nullopt;
  for (const char c : std::string(whole) + std::string(fraction)) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t tt = std::stoll(std::string(whole)) * 10000;
  const std::string f = std::string(fraction) + "00000";
  tt += std::stoll(f.substr(0, 4)) + (f[4] >= '5' ? 1 : 0);
  return negative ? -tt : tt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lookup = [](std::string_view name) {
    kestrion::SatelliteFound found;
    if (name == "Astra 19.2E") found = {19.2, "Astra 19.2E", {}};
    if (name == "Astra") found.candidates = {"Astra 19.2E", "Astra 23.5E"};
    return found;
  };
  for (const AngleKind kind : {AngleKind::Latitude, AngleKind::Longitude, AngleKind::Satellite}) {
    const auto r = kestrion::readAngle(text, kind, lookup);
    if (!r.entry) {
      if (kestrion::angleProblemText(r, kind).find('\n') != std::string::npos) std::abort();
      continue;
    }
    const auto& e = *r.entry;
    const std::int32_t limit = kind == AngleKind::Latitude ? 900000 : 1800000;
    if (e.tenThousandths > limit || e.tenThousandths < -limit) std::abort();
    if (e.value != std::strtod(e.label.c_str(), nullptr)) std::abort();
    if (e.value != e.tenThousandths / 10000.0) std::abort();
    if (e.label == "-0" || e.label.back() == '.' ||
        (e.label.find('.') != std::string::npos && e.label.back() == '0')) {
      std::abort();
    }
    const std::int32_t m = e.tenThousandths < 0 ? -e.tenThousandths : e.tenThousandths;
    const int thumb = (m + 5000) / 10000;
    if (e.thumb != (e.tenThousandths < 0 ? -thumb : thumb)) std::abort();
    // The stored text, typed again, is the same value.
    const auto again = kestrion::readAngle(e.label, kind);
    if (!again.entry || again.entry->tenThousandths != e.tenThousandths) std::abort();
    if (const auto expected = plainDecimal(text); expected && *expected != e.tenThousandths) {
      std::abort();
    }
  }
  return 0;
}
