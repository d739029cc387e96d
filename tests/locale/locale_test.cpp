// The texts are the same whatever the user's locale: kestrion-cli under two
// locales that write a decimal comma must print, byte for byte, what it prints
// under the C locale, both as a process started with LC_ALL and when the
// locale is made global inside the process (as a desktop program does).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "cli/driver.h"

namespace {

struct Script {
  const char* name;
  std::vector<std::string> events;
};

void PrintTo(const Script& s, std::ostream* os) {
  *os << s.name;
}

// Every kind of text: tenth labels, decimals cut down, the southern azimuth,
// the unrounded rain allowance, the pointer coordinates, and a refusal.
const std::vector<Script> kScripts{
    {"start-up", {}},
    {"tenths and decimals",
     {"HScroll10=125", "HScroll8~6", "HScroll9=70", "HScroll5=13", "HScroll6~2610", "HScroll1=7",
      "HScroll7~2", "HScroll15=1", "HScroll16=800"}},
    {"south and rain",
     {"HScroll17=-30", "HScroll19=20", "Option1", "HScroll18~-10", "Option2", "Option3",
      "HScroll24=13", "rainoff"}},
    {"bad input", {"HScroll17=-30", "HScroll5=2.5"}},
};

const std::vector<const char*> kLocales{"de_DE.UTF-8", "fr_FR.UTF-8"};

bool available(const char* name) {
  locale_t l = newlocale(LC_ALL_MASK, name, nullptr);
  if (l == nullptr) {
    return false;
  }
  freelocale(l);
  return true;
}

// Output and exit status of kestrion-cli started with LC_ALL set.
std::string runProcess(const char* locale, const Script& script) {
  std::string command = std::string("LC_ALL=") + locale + " '" KESTRION_CLI "' --trace";
  for (const auto& e : script.events) {
    command += " '" + e + "'";
  }
  command += " 2>&1; echo \"status $?\"";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return "popen failed";
  }
  char buf[4096];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
    out.append(buf, n);
  }
  pclose(pipe);
  return out;
}

// The same through the driver inside this process, under the global locale.
std::string runInProcess(const Script& script) {
  std::vector<const char*> argv{"kestrion-cli", "--trace"};
  for (const auto& e : script.events) {
    argv.push_back(e.c_str());
  }
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = kestrion::cli::run(static_cast<int>(argv.size()), argv.data(), in, out, err);
  return out.str() + err.str() + "status " + std::to_string(status) + "\n";
}

class Locales : public testing::TestWithParam<std::tuple<const char*, Script>> {};

TEST_P(Locales, ProcessPrintsWhatTheCLocalePrints) {
  const auto& [locale, script] = GetParam();
  if (!available(locale)) {
    GTEST_SKIP() << locale << " is not generated (scripts/install-deps.sh generates it)";
  }
  const std::string reference = runProcess("C", script);
  ASSERT_NE(reference.find("status"), std::string::npos);
  EXPECT_EQ(runProcess(locale, script), reference);
}

TEST_P(Locales, GlobalLocaleChangesNoText) {
  const auto& [locale, script] = GetParam();
  if (!available(locale)) {
    GTEST_SKIP() << locale << " is not generated (scripts/install-deps.sh generates it)";
  }
  const std::string reference = runInProcess(script);
  std::setlocale(LC_ALL, locale);
  std::locale::global(std::locale(locale));
  // The locale really writes a decimal comma, in C and in C++ formatting.
  const std::string point = std::localeconv()->decimal_point;
  std::ostringstream probe;
  probe << 0.5;
  const std::string inLocale = runInProcess(script);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  ASSERT_EQ(point, ",");
  ASSERT_EQ(probe.str(), "0,5");
  EXPECT_EQ(inLocale, reference);
}

INSTANTIATE_TEST_SUITE_P(CommaLocales, Locales,
                         testing::Combine(testing::ValuesIn(kLocales), testing::ValuesIn(kScripts)),
                         [](const auto& info) {
                           std::string name = std::string(std::get<0>(info.param)).substr(0, 5) +
                                              "_" + std::get<1>(info.param).name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) {
                               c = '_';
                             }
                           }
                           return name;
                         });

}  // namespace
