// Typed angles: the accepted and refused forms, the stored texts and the
// thumb positions, with exact rounding at the 0.0001 ties.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/angle_text.h"
#include "engine/satellites.h"

namespace kestrion {
namespace {

constexpr AngleKind kLat = AngleKind::Latitude;
constexpr AngleKind kLon = AngleKind::Longitude;
constexpr AngleKind kSat = AngleKind::Satellite;

const std::vector<Satellite> kList =
    satellitesFromFileNames({"Astra-19.2E", "Astra-23.5E", "Thor-5-0.8W", "Hotbird-13.0E"});

AngleReading read(const char* text, AngleKind kind, const CompassLetters& letters = {}) {
  const auto lookup = [&letters](std::string_view name) {
    return lookUpSatellite(kList, name, letters);
  };
  return readAngle(text, kind, lookup, letters);
}

struct Accepted {
  const char* text;
  AngleKind kind;
  const char* label;
  int thumb;
};
const Accepted kAccepted[] = {
    {"52.52", kLat, "52.52", 53},
    {"52,52", kLat, "52.52", 53},
    {"-33.9247", kLat, "-33.9247", -34},
    {"33.9247S", kLat, "-33.9247", -34},
    {"S33.9247", kLat, "-33.9247", -34},
    {"s 33.9247", kLat, "-33.9247", -34},
    {"33°55'29\"S", kLat, "-33.9247", -34},
    {"33 55 29 S", kLat, "-33.9247", -34},
    {"33 55 29S", kLat, "-33.9247", -34},
    {"33°55.48'S", kLat, "-33.9247", -34},
    {"33d55m29sS", kLat, "-33.9247", -34},
    {"33d55m29s", kLat, "33.9247", 34},  // s right after the seconds is their mark
    {"33°55′29″S", kLat, "-33.9247", -34},
    {"33º 55’ 29” S", kLat, "-33.9247", -34},
    {"33 55 29'' S", kLat, "-33.9247", -34},
    {"N 52° 31' 12\"", kLat, "52.52", 53},
    {"\u221233.9247", kLat, "-33.9247", -34},  // minus sign U+2212
    {"-0.00001", kLat, "0", 0},
    {"0.00005", kLat, "0.0001", 0},
    {"-0.00005", kLat, "-0.0001", 0},
    {"45.000049999999999999999999999", kLat, "45", 45},
    {"0°0'0.18\"", kLat, "0.0001", 0},  // exactly 0.00005: a tie, away from zero
    {"0°0'0.17999999999999999999999999999\"", kLat, "0", 0},
    {"0.00015", kLat, "0.0002", 0},     // below the tie as a double
    {"0°0'0.54\"", kLat, "0.0002", 0},  // 0.00015 exactly
    {"0°0.003'S", kLat, "-0.0001", 0},
    {"12.5", kLat, "12.5", 13},
    {"-12.5", kLat, "-12.5", -13},
    {"12.49996", kLat, "12.5", 13},  // the thumb follows the stored value
    {"89°59'59.9999\"", kLat, "90", 90},
    {"90S", kLat, "-90", -90},
    {"5.", kLat, "5", 5},
    {".5", kLat, "0.5", 1},
    {"007.50", kLat, "7.5", 8},
    {"13.405", kLon, "13.405", 13},
    {"5W", kLon, "-5", -5},
    {"W5", kLon, "-5", -5},
    {"104°59'25\"W", kLon, "-104.9903", -105},
    {"180E", kLon, "180", 180},
    {"-180", kLon, "-180", -180},
    {"19.2E", kSat, "19.2", 19},
    {"19,2", kSat, "19.2", 19},
    {"Astra 19.2E", kSat, "19.2", 19},
    {" astra-19.2e ", kSat, "19.2", 19},
    {"Thor 5 0.8W", kSat, "-0.8", -1},
};

TEST(AngleText, AcceptedFormsStoredTextsAndThumbs) {
  for (const auto& c : kAccepted) {
    const auto r = read(c.text, c.kind);
    ASSERT_TRUE(r.entry) << c.text << ": " << angleProblemText(r, c.kind);
    EXPECT_EQ(r.entry->label, c.label) << c.text;
    EXPECT_EQ(r.entry->thumb, c.thumb) << c.text;
    EXPECT_EQ(r.entry->value, std::strtod(c.label, nullptr)) << c.text;
  }
}

struct Refused {
  const char* text;
  AngleKind kind;
  AngleProblem problem;
};
const Refused kRefused[] = {
    {"", kLat, AngleProblem::Empty},
    {"  ", kSat, AngleProblem::Empty},
    {"abc", kLat, AngleProblem::NotAnAngle},
    {"52.52x", kLat, AngleProblem::NotAnAngle},
    {"1.2.3", kLat, AngleProblem::NotAnAngle},
    {"1,2.3", kLat, AngleProblem::NotAnAngle},
    {"-", kLat, AngleProblem::NotAnAngle},
    {"--5", kLat, AngleProblem::NotAnAngle},
    {"33'55°", kLat, AngleProblem::NotAnAngle},
    {"33 d 55", kLat, AngleProblem::NotAnAngle},
    {"33 55 29 12", kLat, AngleProblem::NotAnAngle},
    {"33°55'29\"S\n", kLat, AngleProblem::NotAnAngle},
    {"-33.9247S", kLat, AngleProblem::SignWithHemisphere},
    {"S-33", kLat, AngleProblem::SignWithHemisphere},
    {"+5W", kLon, AngleProblem::SignWithHemisphere},
    {"N33S", kLat, AngleProblem::TwoHemispheres},
    {"33E", kLat, AngleProblem::WrongHemisphere},
    {"5N", kLon, AngleProblem::WrongHemisphere},
    {"19.2N", kSat, AngleProblem::WrongHemisphere},
    {"33 59.5 10", kLat, AngleProblem::FractionNotLast},
    {"33.5°10'", kLat, AngleProblem::FractionNotLast},
    {"33°60'", kLat, AngleProblem::MinutesTooLarge},
    {"33°59'60\"", kLat, AngleProblem::SecondsTooLarge},
    {"33°5'100\"", kLat, AngleProblem::SecondsTooLarge},
    {"90.00001", kLat, AngleProblem::OutOfRange},
    {"90.0000000000000000000000000001", kLat, AngleProblem::OutOfRange},
    {"91S", kLat, AngleProblem::OutOfRange},
    {"-180.00001", kLon, AngleProblem::OutOfRange},
    {"9999999999999", kSat, AngleProblem::OutOfRange},
    {"Astar 19.2E", kSat, AngleProblem::UnknownSatellite},
    {"Astra", kSat, AngleProblem::AmbiguousSatellite},
    {"18°25'25\"O", kLon, AngleProblem::NotAnAngle},  // O is no English letter
};

TEST(AngleText, RefusedForms) {
  for (const auto& c : kRefused) {
    const auto r = read(c.text, c.kind);
    EXPECT_FALSE(r.entry) << c.text;
    EXPECT_EQ(r.problem, c.problem) << c.text;
  }
  const auto ambiguous = read("astra", kSat);
  EXPECT_EQ(ambiguous.candidates, (std::vector<std::string>{"Astra 19.2E", "Astra 23.5E"}));
  EXPECT_NE(angleProblemText(ambiguous, kSat).find("it fits Astra 19.2E, Astra 23.5E."),
            std::string::npos);
}

// A language's letters besides N, E, S, W; O is east in German, west in
// French, and no letter of English.
constexpr CompassLetters kGerman{'N', 'O', 'S', 'W'};
constexpr CompassLetters kFrench{'N', 'E', 'S', 'O'};
struct Lettered {
  const char* text;
  AngleKind kind;
  CompassLetters letters;
  const char* label;  // nullptr: refused as the problem says
  AngleProblem problem;
};
const Lettered kLettered[] = {
    {"18°25'25\"O", kLon, kGerman, "18.4236", {}},
    {"18°25'25\"O", kLon, kFrench, "-18.4236", {}},
    {"o 5", kSat, kFrench, "-5", {}},
    {"5E", kLon, kGerman, "5", {}},  // English letters stay
    {"5W", kLon, kFrench, "-5", {}},
    {"33S", kLat, kGerman, "-33", {}},
    {"5O", kLat, kGerman, nullptr, AngleProblem::WrongHemisphere},
    {"O5E", kLon, kGerman, nullptr, AngleProblem::TwoHemispheres},
    {"Hotbird 13O", kSat, kGerman, "13", {}},
};

TEST(AngleText, LanguageLetters) {
  for (const auto& c : kLettered) {
    const auto r = read(c.text, c.kind, c.letters);
    if (c.label == nullptr) {
      EXPECT_FALSE(r.entry) << c.text;
      EXPECT_EQ(r.problem, c.problem) << c.text;
    } else {
      ASSERT_TRUE(r.entry) << c.text << ": " << angleProblemText(r, c.kind);
      EXPECT_EQ(r.entry->label, c.label) << c.text;
    }
  }
}

}  // namespace
}  // namespace kestrion
