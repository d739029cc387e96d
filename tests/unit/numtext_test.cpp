// Number texts and readings: the digits of a label are part of the
// computation, so every rendering and reading is pinned down exactly.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <optional>
#include <string>

#include "model/numtext.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

struct IntCase {
  std::int16_t n;
  const char* text;
};
const IntCase kIntCases[] = {
    {0, "0"},         {75, "75"},       {-90, "-90"},       {-180, "-180"},
    {10000, "10000"}, {32767, "32767"}, {-32768, "-32768"},
};

// Tenth labels: the position divided by 10 in single precision.
struct TenthCase {
  std::int16_t p;
  const char* text;
};
const TenthCase kTenthCases[] = {
    {0, "0"},    {1, "0.1"},   {7, "0.7"},    {10, "1"},         {123, "12.3"},
    {800, "80"}, {-7, "-0.7"}, {1000, "100"}, {32767, "3276.7"},
};

struct SingleCase {
  float x;
  const char* text;
};
const SingleCase kSingleCases[] = {
    {1e-5F, "1E-05"}, {0.0001F, "0.0001"},  {1234567.0F, "1234567"}, {12345678.0F, "1.234568E+07"},
    {-0.0F, "0"},     {0.1F + 0.2F, "0.3"},
};

struct DoubleCase {
  double x;
  const char* text;
};
const DoubleCase kDoubleCases[] = {
    {1.01, "1.01"},
    {0.99, "0.99"},
    {-19.6, "-19.6"},
    {28710, "28710"},
    {1.0 / 3, "0.333333333333333"},
    {2.0 / 3, "0.666666666666667"},
    {0.1 + 0.2, "0.3"},
    {0.0001, "0.0001"},
    {0.00001, "1E-05"},
    {-0.00001, "-1E-05"},
    {123456789012345, "123456789012345"},
    {1e15, "1E+15"},
    {999999999999999.9, "1E+15"},  // rounding to 15 digits carries into the exponent
    {0.0, "0"},
    {-0.0, "0"},
    {12.0, "12"},
    {0.5, "0.5"},
    {1.5e300, "1.5E+300"},
    {1e-300, "1E-300"},
    {0.00012345, "0.00012345"},
    {39560, "39560"},
};

struct LeadingCase {
  const char* text;
  double value;
};
const LeadingCase kLeadingCases[] = {
    {"Text1", 0},       {"", 0},        {"12.5 dB", 12.5}, {"1.2.3", 1.2}, {"-", 0},
    {"-90", -90},       {"0.7", 0.7},   {"38000", 38000},  {"  +5x", 5},   {"\t\n7", 7},
    {"1e3", 1000},      {"1E+2x", 100}, {"1e", 1},         {"1e+", 1},     {"e5", 0},
    {".5", 0.5},        {"5.", 5},      {".", 0},          {"-.5", -0.5},  {"1e-400", 0},
    {"197.19", 197.19}, {"0.1E1", 1},   {"--5", 0},        {"5 5", 5},
};

struct WholeCase {
  const char* text;
  std::optional<double> value;
};
const WholeCase kWholeCases[] = {
    {"5", 5.0},
    {"197.19", 197.19},
    {" 38000 ", 38000.0},
    {"-1E-05", -1e-5},
    {"1e3", 1000.0},
    {"abc", std::nullopt},
    {"", std::nullopt},
    {"Text1", std::nullopt},
    {"1.2.3", std::nullopt},
    {"12 dB", std::nullopt},
    {"-", std::nullopt},
    {"1 2", std::nullopt},
    {"1e", std::nullopt},
    {".", std::nullopt},
};

// Cut down, then rendered: what a result label shows for a scaled value y.
struct CutCase {
  double y;
  int decimals;
  const char* text;
};
const CutCase kCutCases[] = {
    {397.6, 1, "39.7"},   {400.0, 1, "40"},
    {-196.1, 1, "-19.7"}, {312.44, 1, "31.2"},
    {-331.7, 1, "-33.2"}, {101.41919, 2, "1.01"},
    {156.991, 2, "1.56"}, {999.9999999999999, 2, "9.99"},
    {-0.5, 2, "-0.01"},   {28710.9, 0, "28710"},
    {-1e-13, 1, "-0.1"},
};

// Runs every table; also used under a foreign locale, where nothing may change.
void expectAllTables() {
  for (const auto& c : kIntCases) {
    EXPECT_EQ(intText(c.n), c.text) << c.n;
  }
  for (const auto& c : kTenthCases) {
    EXPECT_EQ(singleText(static_cast<float>(c.p) / 10.0F), c.text) << c.p;
  }
  for (const auto& c : kSingleCases) {
    EXPECT_EQ(singleText(c.x), c.text) << c.x;
  }
  for (const auto& c : kDoubleCases) {
    EXPECT_EQ(doubleText(c.x), c.text) << c.x;
  }
  for (const auto& c : kLeadingCases) {
    EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
  }
  for (const auto& c : kWholeCases) {
    EXPECT_EQ(wholeNumber(c.text), c.value) << '"' << c.text << '"';
  }
  for (const auto& c : kCutCases) {
    EXPECT_EQ(doubleText(cutDown(c.y, c.decimals)), c.text) << c.y << " n=" << c.decimals;
  }
}

TEST(NumberTexts, RenderingsReadingsAndCutDownFollowTheLabelRules) {
  expectAllTables();
}

TEST(NumberTexts, NumbersTooLargeForADoubleReadAsInfinity) {
  EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("-1e400 K"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(wholeNumber("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(leadingNumber("0.000e99999"), 0.0);
}

// A procedure that reads a tenth label and one that divides the position by
// 10 itself must see the same number.
TEST(NumberTexts, TenthLabelReadsBackAsPositionOverTenInDouble) {
  for (int p = -32768; p <= 32767; ++p) {
    const std::string text = singleText(static_cast<float>(p) / 10.0F);
    ASSERT_EQ(leadingNumber(text), p / 10.0) << p << " -> " << text;
  }
}

TEST(NumberTexts, DoubleTextOfCutDownResultsReadsBackExactly) {
  for (int y = -100000; y <= 100000; y += 7) {
    for (int n = 0; n <= 2; ++n) {
      const double v = cutDown(y + 0.25, n);
      ASSERT_EQ(wholeNumber(doubleText(v)), v) << y << " n=" << n;
    }
  }
}

// A German-style locale writes "0,7"; labels and readings must not follow it.
struct CommaPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(NumberTexts, ResultsDoNotDependOnTheLocale) {
  const test::Texts classic = test::snapshot(test::loaded());

  const std::string savedC = std::setlocale(LC_ALL, nullptr);
  const std::locale savedCpp;
  bool cLocaleSet = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      cLocaleSet = true;
      break;
    }
  }
  std::locale::global(std::locale(std::locale::classic(), new CommaPoint));

  expectAllTables();
  EXPECT_EQ(test::snapshot(test::loaded()), classic);

  std::locale::global(savedCpp);
  std::setlocale(LC_ALL, savedC.c_str());
  if (!cLocaleSet) {
    std::cout << "no comma C locale installed; checked the C++ global locale only\n";
  }
}

}  // namespace
}  // namespace kestrion
