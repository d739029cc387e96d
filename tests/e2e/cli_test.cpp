// kestrion-cli through the real executable: its output, --trace, standard
// input, --help, and how it refuses bad input.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fast_float/fast_float.h>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using json = nlohmann::ordered_json;  // keeps the order the driver writes

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs kestrion-cli with the arguments, feeding `input` on standard input.
CliRun runCli(const std::vector<std::string>& args, const std::string& input = "") {
  char dir[] = "/tmp/kestrion-cli-test-XXXXXX";
  if (mkdtemp(dir) == nullptr) {
    ADD_FAILURE() << "mkdtemp";
    return {-1, "", ""};
  }
  const std::string base = dir;
  const std::string inPath = base + "/in", outPath = base + "/out", errPath = base + "/err";
  std::ofstream(inPath, std::ios::binary) << input;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  std::vector<char*> argv{const_cast<char*>(KESTRION_CLI)};
  for (const std::string& a : args) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  pid_t pid = 0;
  CliRun run{-1, "", ""};
  if (posix_spawn(&pid, KESTRION_CLI, &actions, nullptr, argv.data(), environ) == 0) {
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = slurp(outPath);
  run.err = slurp(errPath);
  for (const std::string& p : {inPath, outPath, errPath}) {
    std::remove(p.c_str());
  }
  rmdir(dir);
  return run;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream s(text);
  for (std::string line; std::getline(s, line);) {
    out.push_back(line);
  }
  return out;
}

const char* const kValueNames[] = {
    "lnbnf",      "lnbgain",    "cableloss", "ifnf",     "nf",          "nt",    "feedloss",
    "diameter1",  "eff",        "frekvens",  "tant",     "cableloss2",  "recnf", "ifgain",
    "snf",        "again",      "Latitud",   "longitud", "satposition", "eirp",  "diam",
    "efficiency", "ta",         "nflnb",     "bw",       "totnf",       "Gain",  "GT",
    "el",         "az",         "offset",    "rsat",     "rsat2",       "cnres", "cnel",
    "regntext",   "attenuation"};

void expectStateShape(const json& state) {
  ASSERT_TRUE(state.is_object());
  std::vector<std::string> keys;
  for (const auto& [key, value] : state.items()) {
    keys.push_back(key);
  }
  EXPECT_EQ(keys,
            (std::vector<std::string>{"event", "texts", "sliders", "option", "lines", "pointing"}));
  ASSERT_EQ(state["texts"].size(), std::size(kValueNames));
  std::size_t i = 0;
  for (const auto& [key, value] : state["texts"].items()) {
    EXPECT_EQ(key, kValueNames[i++]);
    EXPECT_TRUE(value.is_string()) << key;
  }
  ASSERT_EQ(state["sliders"].size(), 25U);
  int n = 1;
  for (const auto& [key, value] : state["sliders"].items()) {
    EXPECT_EQ(key, "HScroll" + std::to_string(n++));
    EXPECT_TRUE(value.is_number_integer()) << key;
  }
  for (const char* line : {"Line6", "Line7", "Line8"}) {
    ASSERT_TRUE(state["lines"][line].is_array()) << line;
    EXPECT_EQ(state["lines"][line].size(), 4U) << line;
  }
}

TEST(Cli, PrintsTheStartUpStateAsOneJsonObject) {
  const CliRun run = runCli({});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(lines(run.out).size(), 1U);
  const json state = json::parse(run.out);
  expectStateShape(state);
  EXPECT_EQ(state["event"], "load");
  EXPECT_EQ(state["option"], "rainoff");
  EXPECT_EQ(state["texts"]["totnf"], "1.01");
  EXPECT_EQ(state["texts"]["Gain"], "39.7");
  EXPECT_EQ(state["texts"]["GT"], "31.2");
  EXPECT_EQ(state["texts"]["rsat"], "39560");
  EXPECT_EQ(state["texts"]["cnres"], "10.9");
  EXPECT_EQ(state["texts"]["cnel"], "");
  EXPECT_EQ(state["sliders"]["HScroll16"], 500);
  EXPECT_EQ(state["sliders"]["HScroll17"], 60);
  EXPECT_EQ(state["lines"]["Line7"][0], 1920);
  EXPECT_NEAR(state["lines"]["Line7"][2].get<double>(), 1713.12, 0.01);
  EXPECT_NEAR(state["lines"]["Line8"][3].get<double>(), 3774.85, 0.01);
}

// Each coordinate is the shortest text that reads back to the same float.
TEST(Cli, LineCoordinatesAreShortestSinglePrecisionTexts) {
  const CliRun run = runCli({"HScroll17=-33", "HScroll18=151", "HScroll19=160"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::size_t start = run.out.find("\"lines\":");
  ASSERT_NE(start, std::string::npos);
  std::string section = run.out.substr(start, run.out.find("\"pointing\":") - start);
  int count = 0;
  for (std::size_t i = 0; i < section.size();) {
    const std::size_t first = section.find_first_of("-0123456789", i);
    if (first == std::string::npos) {
      break;
    }
    const std::size_t last = section.find_first_not_of("-0123456789.eE+", first);
    const std::string token = section.substr(first, last - first);
    i = last;
    if (section[first - 1] == 'e') {
      continue;  // the digit in a line's name
    }
    float value = 0;
    fast_float::from_chars(token.data(), token.data() + token.size(), value);
    char shortest[32];
    const auto res = std::to_chars(shortest, shortest + sizeof shortest, value);
    EXPECT_EQ(token, std::string(shortest, res.ptr));
    ++count;
  }
  EXPECT_EQ(count, 12);
}

TEST(Cli, StateAfterTheLastEvent) {
  const CliRun run = runCli({"HScroll17=-30", "HScroll18=0", "HScroll19~20", "Option3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json state = json::parse(run.out);
  expectStateShape(state);
  EXPECT_EQ(state["event"], "Option3");
  EXPECT_EQ(state["option"], "Option3");
  EXPECT_EQ(state["texts"]["el"], "48.74");
  EXPECT_EQ(state["texts"]["az"], "36.05");
  EXPECT_EQ(state["texts"]["cnel"], "48.74");
  EXPECT_EQ(state["texts"]["regntext"], "50");
  EXPECT_EQ(state["sliders"]["HScroll19"], 20);
}

TEST(Cli, TracePrintsTheLoadAndEveryEvent) {
  const std::vector<std::string> events{"HScroll1=7", "HScroll2~60", "Option1", "rainoff"};
  std::vector<std::string> args{"--trace"};
  args.insert(args.end(), events.begin(), events.end());
  const CliRun run = runCli(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto out = lines(run.out);
  ASSERT_EQ(out.size(), events.size() + 1);
  EXPECT_EQ(json::parse(out[0])["event"], "load");
  for (std::size_t i = 0; i < events.size(); ++i) {
    const json state = json::parse(out[i + 1]);
    expectStateShape(state);
    EXPECT_EQ(state["event"], events[i]);
  }
  EXPECT_EQ(json::parse(out[1])["texts"]["lnbnf"], "0.7");
  EXPECT_EQ(json::parse(out[2])["texts"]["totnf"], "0.7");
  EXPECT_EQ(json::parse(out[3])["texts"]["cnres"], "7.9");
  EXPECT_EQ(json::parse(out[4])["texts"]["cnres"], "10.9");
}

TEST(Cli, StandardInputGivesTheSameStatesAsArguments) {
  const std::vector<std::string> events{"HScroll20=70", "HScroll21~500", "Option2", "HScroll17=-5"};
  std::vector<std::string> args{"--trace"};
  args.insert(args.end(), events.begin(), events.end());
  std::string input;
  for (const std::string& e : events) {
    input += e + "\n";
  }
  const CliRun fromArgs = runCli(args);
  const CliRun fromStdin = runCli({"--trace", "-"}, input);
  ASSERT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, fromArgs.out);

  // Line ends of either kind, and a last line without one.
  std::string crlf = "HScroll20=70\r\nHScroll21~500\r\nOption2\r\nHScroll17=-5";
  const CliRun fromCrlf = runCli({"--trace", "-"}, crlf);
  ASSERT_EQ(fromCrlf.status, 0) << fromCrlf.err;
  EXPECT_EQ(fromCrlf.out, fromArgs.out);

  const CliRun single = runCli({"-"}, input);
  ASSERT_EQ(single.status, 0);
  EXPECT_EQ(single.out, lines(fromArgs.out).back() + "\n");
}

// What editors leave in a script: a byte order mark, blanks, blank lines.
TEST(Cli, StandardInputForms) {
  const struct {
    const char* name;
    std::string input;
    std::vector<std::string> events;  // as traced
    bool refused;                     // after those
  } kForms[] = {
      {"MarkBlanksAndBlankLines",
       "\xEF\xBB\xBF  HScroll1=5 \t\r\n\n \t\r\nOption2\n\n",
       {"HScroll1=5", "Option2"},
       false},
      {"TypedEntryTrimmed", "\tlatitude:=33 55 29 S  \n", {"latitude:=33 55 29 S"}, false},
      {"OnlyBlankLines", "\n\r\n  \n", {}, false},
      {"MarkOnlyAtTheStart", "HScroll1=5\n\xEF\xBB\xBFOption2\n", {"HScroll1=5"}, true},
  };
  for (const auto& f : kForms) {
    SCOPED_TRACE(f.name);
    const CliRun run = runCli({"--trace", "-"}, f.input);
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), f.events.size() + 1);
    for (std::size_t i = 0; i < f.events.size(); ++i) {
      EXPECT_EQ(json::parse(out[i + 1])["event"], f.events[i]);
    }
    if (f.refused) {
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(lines(run.err).size(), 1U) << run.err;
    } else {
      EXPECT_EQ(run.status, 0) << run.err;
    }
  }
}

TEST(Cli, LongTextsAreShortenedInMessages) {
  const std::string name(500, 'x');
  const CliRun run = runCli({"satellite:=" + name});
  EXPECT_EQ(run.status, 2);
  ASSERT_EQ(lines(run.err).size(), 1U);
  EXPECT_LT(run.err.size(), 400U) << run.err;
  EXPECT_NE(run.err.find("xxx\u2026\""), std::string::npos) << run.err;
}

TEST(Cli, EmptyStandardInputPrintsTheLoadedState) {
  const CliRun run = runCli({"-"}, "");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(json::parse(run.out)["event"], "load");
}

TEST(Cli, VersionPrintsTheProjectVersion) {
  const CliRun run = runCli({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "kestrion-cli 3.0.2\n");
}

TEST(Cli, HelpListsEverySliderAndTheOptions) {
  const CliRun run = runCli({"--help"});
  ASSERT_EQ(run.status, 0);
  struct Row {
    const char* slider;
    const char* words[4];
  };
  const Row rows[] = {
      {"HScroll1 ", {"System Noise Figure", "LNB Noise Figure", "position / 10", "0..100"}},
      {"HScroll6 ", {"NF to Noise Temperature", "Noise Temperature", "unit K", "0..10000"}},
      {"HScroll10 ", {"Antenna Gain Calculations", "Frequency", "GHz", "10..300"}},
      {"HScroll16 ", {"G/T Calculations", "Antenna Gain", "position / 10", "10..800"}},
      {"HScroll18 ", {"Antenna Alignment", "Longitude", "deg", "-180..180"}},
      {"HScroll25 ", {"C/N", "Bandwidth", "MHz", "1..100"}},
  };
  const auto out = lines(run.out);
  for (int n = 1; n <= 25; ++n) {
    const std::string slider = "HScroll" + std::to_string(n) + " ";
    EXPECT_EQ(
        std::count_if(out.begin(), out.end(),
                      [&](const std::string& l) { return l.find(slider) != std::string::npos; }),
        1)
        << slider;
  }
  for (const Row& r : rows) {
    const auto it = std::find_if(out.begin(), out.end(), [&](const std::string& l) {
      return l.find(r.slider) != std::string::npos;
    });
    ASSERT_NE(it, out.end()) << r.slider;
    for (const char* word : r.words) {
      EXPECT_NE(it->find(word), std::string::npos) << *it << " lacks " << word;
    }
  }
  for (const char* option : {"rainoff", "Option1", "Option2", "Option3", "Clear sky", "Rain 5 mm/h",
                             "Rain 10 mm/h", "Rain 50 mm/h", "--trace"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

// ----------------------------------------------------------------- bad input

struct BadInput {
  const char* name;
  std::vector<std::string> good;  // events before the bad one
  std::string bad;
  const char* wrong;    // what the message says is wrong
  const char* allowed;  // and what it says is allowed
};

void PrintTo(const BadInput& c, std::ostream* os) {
  *os << c.name;
}

class CliBadInput : public testing::TestWithParam<BadInput> {};

std::vector<std::string> withTrace(const BadInput& c, bool stdinMode) {
  std::vector<std::string> args{"--trace"};
  if (stdinMode) {
    args.push_back("-");
    return args;
  }
  args.insert(args.end(), c.good.begin(), c.good.end());
  args.push_back(c.bad);
  args.push_back("HScroll1=50");  // must never run
  return args;
}

void expectRefused(const BadInput& c, const CliRun& run, bool traced) {
  EXPECT_EQ(run.status, 2);
  const auto err = lines(run.err);
  ASSERT_EQ(err.size(), 1U) << run.err;
  EXPECT_NE(err[0].find("\"" + c.bad.substr(0, c.bad.find('\x1b'))), std::string::npos) << err[0];
  EXPECT_NE(err[0].find(c.wrong), std::string::npos) << err[0];
  EXPECT_NE(err[0].find(c.allowed), std::string::npos) << err[0];
  const auto out = lines(run.out);
  if (!traced) {
    EXPECT_EQ(run.out, "");
    return;
  }
  // The states printed before the bad event stay; nothing after it ran.
  ASSERT_EQ(out.size(), c.good.size() + 1);
  for (std::size_t i = 0; i < c.good.size(); ++i) {
    EXPECT_EQ(json::parse(out[i + 1])["event"], c.good[i]);
  }
}

TEST_P(CliBadInput, OneLineOnStderrAndExitStatus2) {
  const BadInput& c = GetParam();
  expectRefused(c, runCli(withTrace(c, false)), true);
  std::vector<std::string> plain = c.good;
  plain.push_back(c.bad);
  expectRefused(c, runCli(plain), false);
  std::string input;
  for (const std::string& e : c.good) {
    input += e + "\n";
  }
  input += c.bad + "\nHScroll1=50\n";
  expectRefused(c, runCli(withTrace(c, true), input), true);
}

INSTANTIATE_TEST_SUITE_P(
    Events, CliBadInput,
    testing::Values(
        BadInput{"UnknownSlider", {"HScroll1=5"}, "HScroll26=1", "unknown control", "N 1..25"},
        BadInput{
            "UnknownName", {}, "Rain5", "unknown control", "rainoff, Option1, Option2, Option3"},
        BadInput{"SliderWithoutPosition",
                 {"Option1", "HScroll2=3"},
                 "HScroll2",
                 "needs a position",
                 "HScrollN=P"},
        BadInput{"WrongSeparator", {}, "HScroll2:3", "unknown control", "HScrollN=P"},
        BadInput{"PositionAboveMax",
                 {"HScroll1=5"},
                 "HScroll1=101",
                 "outside HScroll1's range",
                 "0..100"},
        BadInput{"PositionBelowMin", {}, "HScroll17~-91", "outside HScroll17's range", "-90..90"},
        BadInput{"PositionBeyondAnyInteger",
                 {},
                 "HScroll6=123456789012345678901234567890",
                 "outside HScroll6's range",
                 "0..10000"},
        BadInput{"PositionNotANumber",
                 {"HScroll3=7"},
                 "HScroll3=ten",
                 "is not a whole number",
                 "0..100"},
        BadInput{"PositionWithDecimals", {}, "HScroll24=1.5", "is not a whole number", "1..100"},
        BadInput{"EmptyPosition", {}, "HScroll24=", "is not a whole number", "1..100"},
        BadInput{"ControlCharacter", {"Option1"}, "HScroll1=\x1b", "\\x1b", "0..100"},
        BadInput{"RainFadeControlCharacter",
                 {"Option1"},
                 "frequency:=\x1b[2J",
                 "\\x1b[2J\" is not a number",
                 "1 to 55 GHz"}),
    [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(Cli, UnknownFlagIsBadInput) {
  // The option parser's message echoes the flag: its control characters escaped.
  for (const std::string flag : {"--verbose", "--rain\rfade"}) {
    const CliRun run = runCli({flag});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(lines(run.err).size(), 1U) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos) << run.err;
  }
}

// ------------------------------------------------------ typed site, pointing

struct Typed {
  const char* name;
  std::vector<std::string> args;
  const char* text;  // the value label set
  const char* label;
  int slider;
};

class TypedEntries : public testing::TestWithParam<Typed> {};

TEST_P(TypedEntries, SetTheLabelAndTheThumb) {
  const Typed& c = GetParam();
  const CliRun run = runCli(c.args);
  ASSERT_EQ(run.status, 0) << run.err;
  const json state = json::parse(run.out);
  EXPECT_EQ(state["texts"][c.label], c.text);
  const std::string slider = std::string(c.label) == "Latitud"    ? "HScroll17"
                             : std::string(c.label) == "longitud" ? "HScroll18"
                                                                  : "HScroll19";
  EXPECT_EQ(state["sliders"][slider], c.slider);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TypedEntries,
    testing::Values(
        Typed{"LatitudeInDegreesMinutesSeconds",
              {"latitude:=33°55'29\"S"},
              "-33.9247",
              "Latitud",
              -34},
        Typed{"LongitudeWest", {"longitude:=5W"}, "-5", "longitud", -5},
        Typed{"SatelliteByName", {"satellite:=astra 19.2e"}, "19.2", "satposition", 19},
        Typed{"SliderAfterTyping", {"latitude:=12.5", "HScroll17=40"}, "40", "Latitud", 40}),
    [](const testing::TestParamInfo<Typed>& info) { return std::string(info.param.name); });

TEST(Cli, TypedTextOnStandardInputIsTheRestOfTheLine) {
  const CliRun run = runCli({"--date", "2026-01-01", "-"}, "latitude:=33 55 29 S\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(json::parse(run.out)["texts"]["Latitud"], "-33.9247");
}

TEST(Cli, BadTypedTextStopsTheRun) {
  const CliRun run = runCli({"--trace", "latitude:=33S", "latitude:=95", "HScroll1=5"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(lines(run.out).size(), 2U);  // the load and the first event only
  ASSERT_EQ(lines(run.err).size(), 1U) << run.err;
  EXPECT_NE(run.err.find("\"latitude:=95\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("-90 to 90"), std::string::npos) << run.err;
}

TEST(Cli, PointingCarriesTheBearingAndTheDishTilt) {
#if !KESTRION_MAGNETIC_MODEL
  GTEST_SKIP() << "built without the magnetic model";
#endif
  const CliRun run = runCli({"--trace", "--date", "2026-01-01", "--offset-angle", "22.5",
                             "HScroll17=52", "HScroll18=13", "HScroll19=19"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& line : lines(run.out)) {
    const json p = json::parse(line)["pointing"];
    EXPECT_TRUE(p["declination"].is_number_float());
    EXPECT_EQ(p["model"], "WMM2025");
    EXPECT_EQ(p["date"], "2026-01-01");
    EXPECT_EQ(p["offsetAngle"], 22.5);
    EXPECT_TRUE(p["warnings"].empty());
  }
  const json last = json::parse(lines(run.out).back());
  const double declination = last["pointing"]["declination"];
  const double azimuth = std::stod(last["texts"]["az"].get<std::string>());
  const double bearing = std::stod(last["pointing"]["magneticAzimuth"].get<std::string>());
  EXPECT_NEAR(bearing, azimuth - declination, 0.01);
  EXPECT_NEAR(declination, 5.0, 0.5);  // Berlin, about 5 degrees east
  EXPECT_EQ(last["texts"]["el"], "30.25");
  EXPECT_EQ(last["pointing"]["faceTilt"], "7.75° leans back");
}

TEST(Cli, DatesOutsideTheModelAndBadOptions) {
#if KESTRION_MAGNETIC_MODEL
  const json state = json::parse(runCli({"--date", "2031-06-01"}).out);
  EXPECT_EQ(state["pointing"]["warnings"].size(), 1U);
  EXPECT_TRUE(state["pointing"]["declination"].is_null());
#endif
  const json comma = json::parse(runCli({"--offset-angle", "26,5"}).out);
  EXPECT_EQ(comma["pointing"]["offsetAngle"], 26.5);
  const struct {
    std::vector<std::string> args;
    const char* wrong;
  } kRefused[] = {
      {{"--date", "2026-13-01"}, "is not a date"},
      {{"--date", "yesterday"}, "is not a date"},
      {{"--date", ""}, "is empty"},
      {{"--date", "1899-12-31"}, "outside the years 1900 to 2100"},
      {{"--date", "2101-01-01"}, "outside the years 1900 to 2100"},
      {{"--offset-angle", "45.1"}, "0 to 45"},
      {{"--offset-angle", "-1"}, "0 to 45"},
  };
  for (const auto& r : kRefused) {
    const CliRun run = runCli(r.args);
    EXPECT_EQ(run.status, 2) << r.args[1];
    EXPECT_EQ(lines(run.err).size(), 1U) << run.err;
    EXPECT_NE(run.err.find(r.wrong), std::string::npos) << run.err;
  }
}

TEST(Cli, SatellitesListsNamesAndPositions) {
  const CliRun run = runCli({"--satellites"});
  ASSERT_EQ(run.status, 0);
  const json list = json::parse(run.out);
  ASSERT_TRUE(list.is_array());
  const auto astra = std::find_if(list.begin(), list.end(),
                                  [](const json& s) { return s["name"] == "Astra 19.2E"; });
  ASSERT_NE(astra, list.end());
  EXPECT_EQ((*astra)["position"], 19.2);
}

// ----------------------------------------------------------------- rain fade

// London at 14.25 GHz, horizontal: the Study Group 3 validation example's
// inputs and its attenuation at 1, 0.1, 0.01 and 0.001 %.
const std::vector<std::string> kLondon{"--rain-fade",   "--frequency",      "14.25",
                                       "--elevation",   "31.07699124",      "--latitude",
                                       "51.5",          "--rain-rate",      "26.48052",
                                       "--rain-height", "2.45273333333333", "--station-height",
                                       "0.031382984"};

TEST(CliRainFade, PrintsTheFadeOfThePathAsOneObject) {
  const CliRun run = runCli(kLondon);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lines(run.out).size(), 1U);
  const json fade = json::parse(run.out);
  std::vector<std::string> keys;
  for (const auto& item : fade.items()) {
    keys.push_back(item.key());
  }
  EXPECT_EQ(keys,
            (std::vector<std::string>{"k", "alpha", "specificAttenuation", "effectivePathLength",
                                      "attenuation", "rainNoiseTemperature"}));
  const double valex[] = {0.495317069, 2.185847422, 6.798072267, 14.89982248};
  const double percents[] = {1, 0.1, 0.01, 0.001};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(fade["attenuation"][i]["percent"], percents[i]);
    EXPECT_NEAR(fade["attenuation"][i]["attenuation"].get<double>(), valex[i], 1e-6);
    EXPECT_EQ(fade["rainNoiseTemperature"][i]["percent"], percents[i]);
  }
}

TEST(CliRainFade, PercentsInTheOrderGivenAndEveryTilt) {
  std::vector<std::string> args = kLondon;
  for (const char* p : {"0.05", "5", "0.001"}) {
    args.insert(args.end(), {"--percent", p});
  }
  const json horizontal = json::parse(runCli(args).out);
  ASSERT_EQ(horizontal["attenuation"].size(), 3U);
  EXPECT_EQ(horizontal["attenuation"][0]["percent"], 0.05);
  EXPECT_EQ(horizontal["attenuation"][2]["percent"], 0.001);
  args.insert(args.end(), {"--tilt", "vertical"});
  const json vertical = json::parse(runCli(args).out);
  EXPECT_LT(vertical["specificAttenuation"].get<double>(),
            horizontal["specificAttenuation"].get<double>());
  args.back() = "90";
  EXPECT_EQ(json::parse(runCli(args).out), vertical);
}

struct BadRainFade {
  const char* name;
  std::vector<std::string> change;  // option and value replacing or added to London's
  std::string message;
};

class CliRainFadeBad : public testing::TestWithParam<BadRainFade> {};

TEST_P(CliRainFadeBad, OneLineNamingTheOptionAndExitStatus2) {
  std::vector<std::string> args = kLondon;
  const auto& change = GetParam().change;
  const auto at = std::find(args.begin(), args.end(), change.front());
  if (at != args.end() && change.size() == 1) {
    args.erase(at, at + 2);  // the option left out
  } else if (at != args.end()) {
    *(at + 1) = change.back();
  } else {
    args.insert(args.end(), change.begin(), change.end());
  }
  const CliRun run = runCli(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "kestrion-cli: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliRainFadeBad,
    testing::Values(
        BadRainFade{"FrequencyAbove",
                    {"--frequency", "55.5"},
                    "--frequency \"55.5\" is outside the range; allowed: 1 to 55 GHz"},
        BadRainFade{"FrequencyText",
                    {"--frequency", "Ku"},
                    "--frequency \"Ku\" is not a number; allowed: 1 to 55 GHz"},
        BadRainFade{"FrequencyOverTwoLines",
                    {"--frequency", "12\n.5"},
                    "--frequency \"12\\x0a.5\" is not a number; allowed: 1 to 55 GHz"},
        BadRainFade{"ElevationZero",
                    {"--elevation", "0"},
                    "--elevation \"0\" is outside the range; allowed: above 0 up to 90 degrees"},
        BadRainFade{"ElevationAbove",
                    {"--elevation", "90.5"},
                    "--elevation \"90.5\" is outside the range; allowed: above 0 up to 90 "
                    "degrees"},
        BadRainFade{"PercentBelow",
                    {"--percent", "0.0009"},
                    "--percent \"0.0009\" is outside the range; allowed: 0.001 to 5 % of the "
                    "year, several separated by commas"},
        BadRainFade{"PercentAbove",
                    {"--percent", "5.1"},
                    "--percent \"5.1\" is outside the range; allowed: 0.001 to 5 % of the year, "
                    "several separated by commas"},
        BadRainFade{"Tilt",
                    {"--tilt", "slanted"},
                    "--tilt \"slanted\" is not a number; allowed: -90 to 90 degrees from the "
                    "horizontal, or horizontal, vertical or circular"},
        BadRainFade{"MissingRainHeight",
                    {"--rain-height"},
                    "--rain-height is missing; --rain-fade needs --frequency, --elevation, "
                    "--latitude, --rain-rate and --rain-height"},
        BadRainFade{"NotOfThisMode",
                    {"--target", "99.9"},
                    "--target does not go with --rain-fade; allowed: --frequency, --elevation, "
                    "--latitude, --rain-rate, --rain-height, --station-height, --tilt and "
                    "--percent"},
        BadRainFade{"Events",
                    {"HScroll17=50"},
                    "--rain-fade takes no events; allowed: --frequency, --elevation, --latitude, "
                    "--rain-rate, --rain-height, --station-height, --tilt and --percent"}),
    [](const testing::TestParamInfo<BadRainFade>& info) { return std::string(info.param.name); });

TEST(CliRainFade, TheStateGainsRainFadeOnlyWhenSet) {
  EXPECT_FALSE(json::parse(runCli({}).out).contains("rainFade"));
  const CliRun run = runCli({"--frequency", "12", "rain-zone:=K", "rain-height:=3",
                             "required-cn:=8PSK 3/5", "target:=99.9"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json state = json::parse(run.out);
  EXPECT_EQ(state["event"], "target:=99.9");
  const json& fade = state["rainFade"];
  EXPECT_EQ(fade["rainRate"], 42);
  EXPECT_EQ(fade["rainZone"], "K");
  EXPECT_EQ(fade["requiredCarrierToNoise"], 5.5);
  EXPECT_EQ(fade["elevation"], 20.75);  // the alignment page's, as shown
  EXPECT_EQ(fade["carrierToNoiseDrop"].size(), 4U);
  EXPECT_EQ(fade["availability"]["bound"], "within");
  EXPECT_GT(fade["dishDiameter"].get<int>(), 150);  // the page's 150 cm buys less than 99.9 %
  const json missing = json::parse(runCli({"rain-height:=3"}).out)["rainFade"];
  EXPECT_EQ(missing["missing"], json::parse(R"(["frequency","rainRate"])"));
}

TEST(CliRainFade, RefusedEventsAndOptionsOfTheState) {
  const CliRun event = runCli({"frequency:=70"});
  EXPECT_EQ(event.status, 2);
  EXPECT_EQ(event.err,
            "kestrion-cli: event \"frequency:=70\": frequency \"70\" is outside the range; "
            "allowed: 1 to 55 GHz\n");
  const CliRun elevation = runCli({"--elevation", "30"});
  EXPECT_EQ(elevation.status, 2);
  EXPECT_EQ(elevation.err.rfind("kestrion-cli: --elevation needs --rain-fade;", 0), 0U);
  const CliRun zone = runCli({"rain-zone:=I"});
  EXPECT_EQ(zone.err,
            "kestrion-cli: event \"rain-zone:=I\": rain-zone \"I\" is no rain zone; allowed: a "
            "zone letter of the older ITU-R P.837-1 table: ABCDEFGHJKLMNPQ\n");
}

// A whole R0.01 map whose rate is the latitude plus 90, an eighth of a
// mm/h a row: the alignment page's 60 N reads 150 mm/h. The one test that
// writes the 4 million values.
TEST(CliRainFade, RainRateFromAMapFileAndAMissingMap) {
  const std::string path = testing::TempDir() + "R001.TXT";
  {
    std::ofstream map(path);
    for (int row = 0; row < 1441; ++row) {
      const std::string value = std::to_string(row / 8) + "." + std::to_string(row % 8 * 125);
      for (int column = 0; column < 2881; ++column) {
        map << value << ' ';
      }
      map << '\n';
    }
  }
  const CliRun run = runCli({"--rain-rate-map", path, "--frequency", "12", "rain-height:=3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json fade = json::parse(run.out)["rainFade"];
  EXPECT_EQ(fade["rainRate"], 150);
  EXPECT_EQ(fade["rainRateMap"], path);
  std::remove(path.c_str());
  const CliRun missing = runCli({"rain-height-map:=/nonexistent/h0.txt"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err.rfind("kestrion-cli: event \"rain-height-map:=/nonexistent/h0.txt\": "
                              "rain-height-map /nonexistent/h0.txt: cannot be opened (",
                              0),
            0U);
}

struct Refused {
  const char* name;
  std::vector<std::string> args;
  std::string message;  // after "kestrion-cli: "
};

class CliRainInputRefused : public testing::TestWithParam<Refused> {};

TEST_P(CliRainInputRefused, OneLineNamingWhatWasWrong) {
  const CliRun run = runCli(GetParam().args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "kestrion-cli: " + GetParam().message + "\n");
}

// A file of this test's own, written once.
std::string mapFile(const char* name, const char* text) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliRainInputRefused,
    testing::Values(
        Refused{"MetresAsAnEvent",
                {"station-height:=650"},
                "event \"station-height:=650\": station-height the station height is in km "
                "(650 m is 0.65)"},
        Refused{"MetresAsAnOption",
                {"--station-height", "1200"},
                "--station-height the station height is in km (1200 m is 1.2)"},
        Refused{"NeitherKmNorMetres",
                {"station-height:=-3"},
                "event \"station-height:=-3\": station-height \"-3\" is outside the range; "
                "allowed: -0.5 to 9 km above sea level"},
        Refused{"GridOfTwoRows",
                {"rain-rate-map:=" + mapFile("two_rows.txt", "1 2 3\n4 5 6\n")},
                "event \"rain-rate-map:=" + testing::TempDir() + "two_rows.txt\": rain-rate-map " +
                    testing::TempDir() +
                    "two_rows.txt: 2 rows of 3 values; allowed: the ITU-R P.837-7 map R001.TXT, "
                    "1441 rows of 2881 values (0.125° apart, rows from 90° S to 90° N, columns "
                    "from 180° W to 180° E)"}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

// A station at or above the rain height: the figures, 0 dB, and a warning.
TEST(CliRainFade, WarnsOfAStationAboveTheRainHeight) {
  const std::string warning =
      "The station height (6 km) is at or above the rain height (3 km): the path meets no rain, "
      "so every fade shows 0 dB. Check both heights (in km above sea level).";
  const json state = json::parse(
      runCli({"station-height:=6", "frequency:=12", "rain-zone:=K", "rain-height:=3"}).out);
  EXPECT_EQ(state["rainFade"]["warnings"], json::array({warning}));
  EXPECT_EQ(state["rainFade"]["attenuation"][2]["attenuation"], 0);
  EXPECT_EQ(json::parse(runCli({"rain-height:=3"}).out)["rainFade"]["warnings"], json::array());
  std::vector<std::string> args = kLondon;
  args.back() = "6";
  args.at(args.size() - 3) = "3";
  EXPECT_EQ(json::parse(runCli(args).out)["warnings"], json::array({warning}));
  EXPECT_FALSE(json::parse(runCli(kLondon).out).contains("warnings"));
}

}  // namespace

// --sun: the object follows the events, --date, --frequency and --diameter;
// the engine's figures themselves are checked in the unit and ephem tests.
TEST(CliSun, TheObjectFollowsTheEventsAndOptions) {
  const CliRun plain = runCli({"--sun", "--date", "2027-03-01", "--days", "30"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  const json sun = json::parse(plain.out);
  EXPECT_EQ(sun["date"], "2027-03-01");
  EXPECT_EQ(sun["days"], 30);
  EXPECT_EQ(sun["diameter"], 1.5);  // the C/N page's dish
  EXPECT_FALSE(sun.contains("obstacle"));
  EXPECT_FALSE(sun.contains("event"));  // not the state

  const CliRun moved = runCli({"--sun", "--date", "2027-03-01", "--frequency", "24", "--diameter",
                               "0.75", "--obstacle-height", "2", "--obstacle-distance", "40",
                               "HScroll17=-34", "HScroll18=18", "HScroll19=7"});
  ASSERT_EQ(moved.status, 0) << moved.err;
  const json south = json::parse(moved.out);
  EXPECT_GT(south["azimuth"].get<double>(), 270);  // north-west, from a southern site
  EXPECT_DOUBLE_EQ(south["beamwidth"].get<double>(), sun["beamwidth"].get<double>());
  EXPECT_EQ(south["frequency"], 24.0);
  EXPECT_EQ(south["obstacle"]["distance"], 40.0);
  EXPECT_FALSE(south["transits"].empty());
}

struct BadSun {
  const char* name;
  std::vector<std::string> args;  // after --sun
  std::string message;
};

class CliSunBad : public testing::TestWithParam<BadSun> {};

TEST_P(CliSunBad, OneLineNamingTheOptionAndNoJson) {
  std::vector<std::string> args{"--sun"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliRun run = runCli(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "kestrion-cli: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliSunBad,
    testing::Values(
        BadSun{"DaysZero",
               {"--days", "0"},
               "--days \"0\" is outside the range; allowed: 1 to 3660 days"},
        BadSun{"DaysHalf",
               {"--days", "1.5"},
               "--days \"1.5\" is not a whole number; allowed: 1 to 3660 days"},
        BadSun{"Diameter",
               {"--diameter", "6"},
               "--diameter \"6\" is outside the range; allowed: 0.2 to 5 m"},
        BadSun{"Frequency",
               {"--frequency", "Ku"},
               "--frequency \"Ku\" is not a number; allowed: 1 to 55 GHz"},
        BadSun{"Date",
               {"--date", "1899-12-31"},
               "--date \"1899-12-31\" lies outside the years 1900 to 2100; allowed: YYYY-MM-DD, a "
               "day of the calendar from 1900 to 2100"},
        BadSun{
            "NegativeHeight",
            {"--obstacle-height", "-2", "--obstacle-distance", "5"},
            "--obstacle-height \"-2\" is outside the range; allowed: 0 to 5000 m above the dish"},
        BadSun{"DistanceAlone",
               {"--obstacle-distance", "5"},
               "--obstacle-distance needs --obstacle-height too; allowed: both or neither"},
        BadSun{"RainOption",
               {"--rain-rate", "40"},
               "--rain-rate does not go with --sun; allowed with it: --date, --frequency, --days, "
               "--diameter and the obstacle's options"},
        BadSun{"Trace", {"--trace"}, "--trace does not go with --sun; allowed: one of them"},
        BadSun{"Satellites",
               {"--satellites", "--visible"},
               "--satellites does not go with --sun; allowed: one of them"},
        BadSun{"Multifeed",
               {"--multifeed", "13E", "--focal-length", "0.6", "--diameter", "0.8"},
               "--multifeed does not go with --sun; allowed: one of them"},
        BadSun{"BadEvent",
               {"HScroll17=500"},
               "event \"HScroll17=500\": position 500 is outside HScroll17's range; allowed: "
               "-90..90"}),
    [](const testing::TestParamInfo<BadSun>& info) { return std::string(info.param.name); });

TEST(CliSun, ItsOptionsNeedIt) {
  const CliRun run = runCli({"--obstacle-height", "3"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "kestrion-cli: --obstacle-height needs --sun; allowed without it: the window's "
            "options and events\n");
}

// ------------------------------------------------------ motor and multifeed

TEST(CliMotor, OnlyALimitTurnsTheMotorOn) {
  const std::vector<std::string> site{"latitude:=45", "longitude:=0", "satellite:=30E"};
  const json off = json::parse(runCli(site).out)["pointing"];
  EXPECT_FALSE(off.contains("motor"));
  EXPECT_FALSE(off.contains("polarMount"));
  std::vector<std::string> args{"--motor-limit", "30"};
  args.insert(args.end(), site.begin(), site.end());
  const json on = json::parse(runCli(args).out)["pointing"];
  EXPECT_EQ(on["motor"]["direction"], "east");
  EXPECT_EQ(on["motor"]["diseqc"], "E0 31 6E FD EA");
  EXPECT_NEAR(on["polarMount"]["declinationOffset"].get<double>(), 6.8, 0.05);
  // 33.37 degrees is beyond 30: one warning more than the site's own (a build
  // without the magnetic model has one of its own).
  ASSERT_EQ(on["warnings"].size(), off["warnings"].size() + 1);
  // The event does what the option does; and south of the equator the
  // same eastward turn is clockwise.
  std::vector<std::string> south{"latitude:=-45", "longitude:=0", "satellite:=30E",
                                 "motorLimit:=75"};
  const json s = json::parse(runCli(south).out)["pointing"];
  EXPECT_EQ(s["motor"]["direction"], "east");
  EXPECT_EQ(s["motor"]["diseqc"], "E0 31 6E 02 16");
  south.pop_back();  // within 75 degrees: no warning beyond the site's own
  EXPECT_EQ(s["warnings"], json::parse(runCli(south).out)["pointing"]["warnings"]);
}

TEST(CliMotor, VisibleSatellitesAfterTheEvents) {
  const CliRun run = runCli({"--satellites", "--visible", "latitude:=50", "longitude:=10"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json list = json::parse(run.out);
  ASSERT_FALSE(list.empty());
  for (const json& s : list) {
    EXPECT_GT(s["elevation"].get<double>(), 0) << s["name"];
    EXPECT_EQ(s.size(), 7U);
  }
  const json south = json::parse(runCli({"--satellites", "--visible", "latitude:=-34"}).out);
  EXPECT_NE(south, list);
}

TEST(CliMotor, MultifeedObject) {
  const CliRun run = runCli({"--multifeed", "Hotbird 13E", "--focal-length", "0.6", "--diameter",
                             "0.8", "latitude:=50", "longitude:=10", "satellite:=19.2E"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json m = json::parse(run.out);
  std::vector<std::string> keys;
  for (const auto& item : m.items()) {
    keys.push_back(item.key());
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"separation", "offset", "side", "railTilt", "skew",
                                            "warnings"}));
  EXPECT_GT(m["separation"].get<double>(), 6.2);  // more than the orbital spacing
  EXPECT_EQ(m["side"], "east");                   // a western satellite's LNB goes east
  EXPECT_TRUE(m["warnings"].empty());
}

TEST(CliMotor, BadInputIsOneLineAndExitStatus2) {
  const struct {
    std::vector<std::string> args;
    const char* wrong;
  } kRefused[] = {
      {{"--motor-limit", "91"}, "1 to 90"},
      {{"motorLimit:=0"}, "1 to 90"},
      {{"--multifeed", "19.2E", "--focal-length", "0.6", "--diameter", "0.8", "satellite:=19.2E"},
       "main satellite's position"},
      {{"--multifeed", "Nosat", "--focal-length", "0.6", "--diameter", "0.8"}, "\"Nosat\""},
      {{"--multifeed", "13E", "--focal-length", "6", "--diameter", "0.8"}, "0.1 to 5 m"},
      {{"--multifeed", "13E", "--focal-length", "0.6", "--diameter", "0.1"}, "0.2 to 5 m"},
      {{"--multifeed", "13E", "--focal-length", "3", "--diameter", "0.5"}, "F/D"},
      {{"--multifeed", "13E", "--diameter", "0.8"}, "--focal-length"},
      {{"--visible"}, "--satellites"},
  };
  for (const auto& r : kRefused) {
    const CliRun run = runCli(r.args);
    EXPECT_EQ(run.status, 2) << r.args[0];
    EXPECT_EQ(lines(run.err).size(), 1U) << run.err;
    EXPECT_NE(run.err.find(r.wrong), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}
