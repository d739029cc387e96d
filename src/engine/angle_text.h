// Typed latitude, longitude and satellite position.
//
// Accepted, blanks optional: 52.52, 52,52, -33.9247, 33.9247S, S33.9247,
// 33°55'29"S, 33 55 29 S, 33°55.48'S, 33d55m29sS. Degree marks ° º d;
// minute marks ' ’ ′ m; second marks " ” ″ '' s. A letter mark must follow
// its number directly, and a lowercase s right after the seconds is their
// mark ("33d55m29s" is north; "33 55 29 s" and "33 55 29S" are south). Only
// the last of degrees, minutes and seconds may have a decimal part; minutes
// and seconds stay below 60. One hemisphere letter, before or after, in any
// case: N or S for latitude, E or W otherwise (or the language's letters for
// them); never together with a sign. A satellite position may also be a
// satellite's name.
//
// The value is kept exactly as typed until it is rounded once to 0.0001
// degree, ties away from zero, so the stored text never shows a binary
// rounding artefact.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrion {

// The letters of the four compass points in one language: single ASCII
// capitals, four different ones. The reader accepts them besides N, E, S
// and W; within one language no letter names two points.
struct CompassLetters {
  char north = 'N';
  char east = 'E';
  char south = 'S';
  char west = 'W';
};
inline constexpr CompassLetters kEnglishLetters{};

enum class AngleKind { Latitude, Longitude, Satellite };

enum class AngleProblem {
  Empty,
  NotAnAngle,
  SignWithHemisphere,
  TwoHemispheres,
  WrongHemisphere,
  FractionNotLast,
  MinutesTooLarge,
  SecondsTooLarge,
  OutOfRange,
  UnknownSatellite,
  AmbiguousSatellite,
};

struct AngleEntry {
  std::int32_t tenThousandths;  // the stored value in units of 0.0001 degree
  double value;                 // tenThousandths / 10000, the nearest double
  std::string label;            // "-33.9247", "19.2", "-5", "0"
  int thumb;                    // whole degrees, ties away from zero
  std::string satellite;        // the name matched, when one was typed
};

struct AngleReading {
  std::optional<AngleEntry> entry;
  AngleProblem problem = AngleProblem::NotAnAngle;  // when there is no entry
  std::vector<std::string> candidates;              // the satellites an ambiguous name fits
};

// What a satellite's name finds: its position (degrees, east positive) and
// its name as listed; or, for a name that fits several, their names.
struct SatelliteFound {
  std::optional<double> position;
  std::string name;
  std::vector<std::string> candidates;
};
using SatelliteLookup = std::function<SatelliteFound(std::string_view name)>;

AngleReading readAngle(std::string_view text, AngleKind kind,
                       const SatelliteLookup& lookup = nullptr,
                       const CompassLetters& letters = kEnglishLetters);

// The text without the spaces and tabs around it, as names are read.
std::string_view trimmedBlanks(std::string_view text);

// One line of plain English: what was wrong, then what is accepted.
std::string angleProblemText(const AngleReading& reading, AngleKind kind);
// Its sentences, for a view that translates them (context "AngleText"). The
// ambiguous name's text has a %1 for the candidates, joined by candidateList.
std::string_view problemText(AngleProblem problem);
std::string_view acceptedText(AngleKind kind);
std::string candidateList(const std::vector<std::string>& candidates);

}  // namespace kestrion
