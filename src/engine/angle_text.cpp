#include "engine/angle_text.h"

#include "model/translatable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kestrion {

namespace {

// The texts users see, in one place for translation.
constexpr std::array<const char*, 11> kProblemTexts = {
    QT_TRANSLATE_NOOP("AngleText", "Nothing was typed."),
    QT_TRANSLATE_NOOP("AngleText", "That is not an angle."),
    QT_TRANSLATE_NOOP("AngleText", "A minus or plus sign cannot be used with a hemisphere letter."),
    QT_TRANSLATE_NOOP("AngleText", "Only one hemisphere letter is allowed."),
    QT_TRANSLATE_NOOP("AngleText", "That hemisphere letter does not fit here."),
    QT_TRANSLATE_NOOP("AngleText",
                      "Only the last of degrees, minutes and seconds may have decimals."),
    QT_TRANSLATE_NOOP("AngleText", "Minutes must be below 60."),
    QT_TRANSLATE_NOOP("AngleText", "Seconds must be below 60."),
    QT_TRANSLATE_NOOP("AngleText", "That is out of range."),
    QT_TRANSLATE_NOOP("AngleText",
                      "That is neither a position nor the name of a listed satellite."),
    QT_TRANSLATE_NOOP("AngleText", "That name does not single out one satellite; it fits %1."),
};
constexpr std::array<const char*, 3> kAcceptedTexts = {
    QT_TRANSLATE_NOOP("AngleText",
                      "Latitude: -90 to 90 degrees, N or S, e.g. 52.52, -33.9247, 33.9247S, "
                      "33°55'29\"S, 33 55 29 S or 33°55.48'S."),
    QT_TRANSLATE_NOOP("AngleText",
                      "Longitude: -180 to 180 degrees, E or W, e.g. 13.405, -5, 5W, W5, "
                      "13°24'18\"E or 13 24 18 E."),
    QT_TRANSLATE_NOOP("AngleText",
                      "Satellite position: -180 to 180 degrees, E or W, e.g. 19.2E, 19,2, -5, "
                      "5W or 30°0'W, or a satellite name such as Astra 19.2E."),
};

// Decimals of the last part typed that are kept; later ones are dropped.
// That is exact: the rounding boundaries have at most 5 decimals in degrees,
// 3 in minutes, 2 in seconds, so dropping digits moves no value below a
// boundary it was on or above, and ties go up anyway.
constexpr int kDecimals = 24;
__extension__ using Wide = unsigned __int128;  // 3.6e9 * 10^28 fits

enum class Tok { Number, Deg, Min, Sec, Letter, Sign, Blank };

struct Token {
  Tok tok;
  std::string_view text;  // the digits of a Number
  char letter = 0;        // a Letter, or the sign character
  bool adjacent = false;  // directly after a Number
};

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The UTF-8 marks and blanks accepted besides ASCII.
struct Multibyte {
  std::string_view bytes;
  Tok tok;
};
constexpr std::array<Multibyte, 10> kMultibyte = {{
    {"\xC2\xA0", Tok::Blank},     // no-break space
    {"\xC2\xB0", Tok::Deg},       // °
    {"\xC2\xBA", Tok::Deg},       // º, often typed for °
    {"\xE2\x80\x99", Tok::Min},   // ’
    {"\xE2\x80\x98", Tok::Min},   // ‘
    {"\xE2\x80\xB2", Tok::Min},   // ′
    {"\xE2\x80\x9D", Tok::Sec},   // ”
    {"\xE2\x80\x9C", Tok::Sec},   // “
    {"\xE2\x80\xB3", Tok::Sec},   // ″
    {"\xE2\x88\x92", Tok::Sign},  // − minus sign
}};

std::optional<std::vector<Token>> tokenize(std::string_view s) {
  std::vector<Token> out;
  bool afterNumber = false;
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    const bool adjacent = afterNumber;
    afterNumber = false;
    if (isDigit(c) || c == '.' || c == ',') {
      const std::size_t start = i;
      while (i < s.size() && (isDigit(s[i]) || s[i] == '.' || s[i] == ',')) {
        ++i;
      }
      out.push_back({Tok::Number, s.substr(start, i - start)});
      afterNumber = true;
      continue;
    }
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (c == '\'' && i + 1 < s.size() && s[i + 1] == '\'') {
      out.push_back({Tok::Sec, {}, 0, adjacent});
      i += 2;
      continue;
    }
    if (c == '\'' || c == '"') {
      out.push_back({c == '\'' ? Tok::Min : Tok::Sec, {}, 0, adjacent});
      ++i;
      continue;
    }
    if (c == '-' || c == '+') {
      out.push_back({Tok::Sign, {}, c});
      ++i;
      continue;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      out.push_back({Tok::Letter, {}, c, adjacent});
      ++i;
      continue;
    }
    bool known = false;
    for (const auto& m : kMultibyte) {
      if (s.substr(i).starts_with(m.bytes)) {
        i += m.bytes.size();
        known = true;
        if (m.tok == Tok::Sign) {
          out.push_back({Tok::Sign, {}, '-'});
        } else if (m.tok != Tok::Blank) {
          out.push_back({m.tok, {}, 0, adjacent});
        }
        break;
      }
    }
    if (!known) {
      return std::nullopt;
    }
  }
  return out;
}

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

enum class Hemisphere : std::uint8_t { none, north, east, south, west };

// The language's letters first: they may reuse a letter English gives to
// another point (O is east in German, west in French).
Hemisphere hemisphereOf(char c, const CompassLetters& letters) {
  const char u = upper(c);
  for (const CompassLetters& set : {letters, kEnglishLetters}) {
    if (u == set.north) {
      return Hemisphere::north;
    }
    if (u == set.east) {
      return Hemisphere::east;
    }
    if (u == set.south) {
      return Hemisphere::south;
    }
    if (u == set.west) {
      return Hemisphere::west;
    }
  }
  return Hemisphere::none;
}

// One number as typed: integer digits without leading zeros, decimals
// without trailing zeros.
struct Decimal {
  std::string_view whole;
  std::string_view fraction;
};

std::optional<Decimal> decimalFrom(std::string_view text) {
  std::size_t marks = 0;
  std::size_t digits = 0;
  std::size_t point = text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      ++digits;
    } else {
      ++marks;
      point = i;
    }
  }
  if (digits == 0 || marks > 1) {
    return std::nullopt;
  }
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point < text.size() ? text.substr(point + 1) : std::string_view();
  while (!whole.empty() && whole.front() == '0') {
    whole.remove_prefix(1);
  }
  while (!fraction.empty() && fraction.back() == '0') {
    fraction.remove_suffix(1);
  }
  return Decimal{whole, fraction};
}

Wide wholeValue(std::string_view digits) {
  Wide v = 0;
  for (const char c : digits) {
    v = v * 10 + static_cast<unsigned>(c - '0');
  }
  return v;
}

Wide power10(int n) {
  Wide v = 1;
  while (n-- > 0) {
    v *= 10;
  }
  return v;
}

AngleReading problem(AngleProblem p) {
  return {std::nullopt, p, {}};
}

AngleEntry entryFrom(std::int32_t tt, std::string satellite = {}) {
  const bool negative = tt < 0;
  const std::int32_t magnitude = negative ? -tt : tt;
  std::string label = negative ? "-" : "";
  label += std::to_string(magnitude / 10000);
  if (const int frac = magnitude % 10000; frac != 0) {
    std::string digits = std::to_string(10000 + frac).substr(1);
    while (digits.back() == '0') {
      digits.pop_back();
    }
    label += "." + digits;
  }
  const int thumb = (magnitude + 5000) / 10000;
  return {tt, static_cast<double>(tt) / 10000.0, label, negative ? -thumb : thumb,
          std::move(satellite)};
}

std::int32_t limitOf(AngleKind kind) {
  return kind == AngleKind::Latitude ? 90 : 180;
}

// What the tokens say, before it is checked: a hemisphere letter before or
// after, a sign, and up to three numbers for degrees, minutes, seconds.
struct Parsed {
  Hemisphere hemisphere = Hemisphere::none;
  bool twoHemispheres = false;
  char sign = 0;
  std::vector<Decimal> parts;
};

class TokenReader {
 public:
  TokenReader(const std::vector<Token>& tokens, const CompassLetters& letters)
      : t_(tokens), letters_(letters) {}

  // Empty when the tokens are no angle at all.
  std::optional<Parsed> read() {
    Parsed p;
    p.hemisphere = hemisphere();
    if (at(Tok::Sign)) {
      p.sign = t_[pos_++].letter;
    }
    if (!readParts(p.parts) || p.parts.empty()) {
      return std::nullopt;
    }
    if (const Hemisphere after = hemisphere(); after != Hemisphere::none) {
      if (p.hemisphere != Hemisphere::none) {
        p.twoHemispheres = true;
        return p;
      }
      p.hemisphere = after;
    }
    if (pos_ != t_.size()) {
      return std::nullopt;
    }
    return p;
  }

 private:
  [[nodiscard]] bool at(Tok k) const { return pos_ < t_.size() && t_[pos_].tok == k; }

  Hemisphere hemisphere() {
    if (!at(Tok::Letter)) {
      return Hemisphere::none;
    }
    const Hemisphere h = hemisphereOf(t_[pos_].letter, letters_);
    if (h != Hemisphere::none) {
      ++pos_;
    }
    return h;
  }

  // Degrees, then optionally minutes, then optionally seconds, each with the
  // marks of its own place only.
  bool readParts(std::vector<Decimal>& parts) {
    for (std::size_t place = 0; place < 3 && at(Tok::Number); ++place) {
      const auto d = decimalFrom(t_[pos_++].text);
      if (!d) {
        return false;
      }
      parts.push_back(*d);
      if (at(kMark.at(place)) || letterMark(place)) {
        ++pos_;
      }
    }
    return true;
  }

  // d, m, s right after the number; D and M too, but S is south.
  [[nodiscard]] bool letterMark(std::size_t place) const {
    static constexpr std::array<char, 3> kLetterMark = {'d', 'm', 's'};
    if (!at(Tok::Letter) || !t_[pos_].adjacent) {
      return false;
    }
    const char c = t_[pos_].letter;
    return c == kLetterMark.at(place) || (place < 2 && c == upper(kLetterMark.at(place)));
  }

  static constexpr std::array<Tok, 3> kMark = {Tok::Deg, Tok::Min, Tok::Sec};
  const std::vector<Token>& t_;
  const CompassLetters& letters_;
  std::size_t pos_ = 0;
};

// What is wrong with the parts read, if anything.
std::optional<AngleProblem> checked(const Parsed& p, AngleKind kind) {
  if (p.twoHemispheres) {
    return AngleProblem::TwoHemispheres;
  }
  if (p.hemisphere != Hemisphere::none && p.sign != 0) {
    return AngleProblem::SignWithHemisphere;
  }
  const bool northSouth = p.hemisphere == Hemisphere::north || p.hemisphere == Hemisphere::south;
  if (p.hemisphere != Hemisphere::none && northSouth != (kind == AngleKind::Latitude)) {
    return AngleProblem::WrongHemisphere;
  }
  for (std::size_t i = 0; i + 1 < p.parts.size(); ++i) {
    if (!p.parts[i].fraction.empty()) {
      return AngleProblem::FractionNotLast;
    }
  }
  // Whole parts longer than these are out of range (degrees) or at least 60.
  if (p.parts[0].whole.size() > 6) {
    return AngleProblem::OutOfRange;
  }
  for (std::size_t i = 1; i < p.parts.size(); ++i) {
    if (p.parts[i].whole.size() > 2 || wholeValue(p.parts[i].whole) >= 60) {
      return i == 1 ? AngleProblem::MinutesTooLarge : AngleProblem::SecondsTooLarge;
    }
  }
  return std::nullopt;
}

// The parts' value exactly, rounded once to 0.0001 degree: n / 10^kDecimals
// in units of the last part (degrees, minutes or seconds).
AngleReading valueOf(const Parsed& p, AngleKind kind) {
  Wide units = 0;
  Wide perDegree = 1;
  for (std::size_t i = 0; i < p.parts.size(); ++i) {
    if (i > 0) {
      units *= 60;
      perDegree *= 60;
    }
    units += wholeValue(p.parts[i].whole);
  }
  const std::string_view fraction = p.parts.back().fraction;
  Wide n = units * power10(kDecimals);
  const std::size_t kept = std::min<std::size_t>(fraction.size(), kDecimals);
  n += wholeValue(fraction.substr(0, kept)) * power10(kDecimals - static_cast<int>(kept));

  const Wide scale = perDegree * power10(kDecimals);
  const Wide limit = static_cast<Wide>(limitOf(kind)) * scale;
  if (n > limit || (n == limit && fraction.size() > kept)) {  // 90.000...0001 is out
    return problem(AngleProblem::OutOfRange);
  }
  const Wide numerator = n * 10000;
  Wide tt = numerator / scale;
  if ((numerator % scale) * 2 >= scale) {
    ++tt;  // ties away from zero on the magnitude
  }
  const bool negative =
      p.sign == '-' || p.hemisphere == Hemisphere::south || p.hemisphere == Hemisphere::west;
  const auto magnitude = static_cast<std::int32_t>(tt);
  return {entryFrom(negative ? -magnitude : magnitude), {}, {}};
}

AngleReading parseAngle(std::string_view text, AngleKind kind, const CompassLetters& letters) {
  const auto tokens = tokenize(text);
  if (!tokens) {
    return problem(AngleProblem::NotAnAngle);
  }
  if (tokens->empty()) {
    return problem(AngleProblem::Empty);
  }
  const auto parsed = TokenReader(*tokens, letters).read();
  if (!parsed) {
    return problem(AngleProblem::NotAnAngle);
  }
  if (const auto wrong = checked(*parsed, kind)) {
    return problem(*wrong);
  }
  return valueOf(*parsed, kind);
}

}  // namespace

std::string_view trimmedBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

AngleReading readAngle(std::string_view text, AngleKind kind, const SatelliteLookup& lookup,
                       const CompassLetters& letters) {
  constexpr std::size_t kMaxLength = 200;
  if (text.size() > kMaxLength) {
    return problem(AngleProblem::NotAnAngle);
  }
  AngleReading reading = parseAngle(text, kind, letters);
  if (reading.entry || kind != AngleKind::Satellite) {
    return reading;
  }
  // Any text that is no position may be a name.
  const std::string_view name = trimmedBlanks(text);
  SatelliteFound found = lookup ? lookup(name) : SatelliteFound{};
  if (!found.position) {
    if (!found.candidates.empty()) {
      return {std::nullopt, AngleProblem::AmbiguousSatellite, std::move(found.candidates)};
    }
    return reading.problem == AngleProblem::NotAnAngle ? problem(AngleProblem::UnknownSatellite)
                                                       : reading;
  }
  if (!(std::abs(*found.position) <= 180.0)) {
    return problem(AngleProblem::OutOfRange);
  }
  // Listed positions have at most four decimals, so this is the exact value.
  return {entryFrom(static_cast<std::int32_t>(std::llround(*found.position * 10000.0)),
                    found.name.empty() ? std::string(name) : std::move(found.name)),
          {},
          {}};
}

std::string_view problemText(AngleProblem problem) {
  return kProblemTexts.at(static_cast<std::size_t>(problem));
}

std::string_view acceptedText(AngleKind kind) {
  return kAcceptedTexts.at(static_cast<std::size_t>(kind));
}

std::string candidateList(const std::vector<std::string>& candidates) {
  // A short name may fit a hundred; the first few show what to type.
  constexpr std::size_t kShown = 8;
  std::string list;
  for (std::size_t i = 0; i < candidates.size() && i < kShown; ++i) {
    list += (i == 0 ? "" : ", ") + candidates[i];
  }
  if (candidates.size() > kShown) {
    list += ", \u2026";
  }
  return list;
}

std::string angleProblemText(const AngleReading& reading, AngleKind kind) {
  std::string what(problemText(reading.problem));
  if (const auto at = what.find("%1"); at != std::string::npos) {
    what.replace(at, 2, candidateList(reading.candidates));
  }
  return what + " " + std::string(acceptedText(kind));
}

}  // namespace kestrion
