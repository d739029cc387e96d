// The event table: what the load, every slider and every option writes, what
// each leaves alone, and the links between the alignment, rain and C/N pages.
#include <gtest/gtest.h>

#include <bitset>
#include <cmath>
#include <string>
#include <vector>

#include "model/numtext.h"
#include "window_helpers.h"

namespace kestrion {
namespace {

using test::apply;
using test::loaded;
using test::snapshot;
using test::Texts;
using S = Input;
using T = Value;
using O = Rain;

using TextSet = std::bitset<kValueCount>;
TextSet texts(std::initializer_list<Value> ids) {
  TextSet set;
  for (const Value id : ids) {
    set.set(index(id));
  }
  return set;
}

TEST(StartUp, WindowDescriptionBeforeTheLoad) {
  const Calculator w;
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const InputSpec& s = kInputs[i];
    EXPECT_EQ(w.window().slider(static_cast<Input>(i)).position, s.initial) << s.name;
  }
  for (const Value id : {T::systemNoiseFigure, T::antennaGain, T::figureOfMerit, T::elevation,
                         T::azimuth, T::skew, T::carrierToNoise, T::rainElevation}) {
    EXPECT_EQ(w.window().text(id), "") << name(id);
  }
  EXPECT_EQ(w.window().text(T::distance), "38000");
  EXPECT_EQ(w.window().text(T::shownDistance), "38000");
  EXPECT_EQ(w.window().text(T::rainRate), "Text1");
  EXPECT_EQ(w.window().text(T::rainAttenuation), "Text1");
  EXPECT_EQ(w.window().rain(), O::clearSky);
}

// The first C/N belongs to the distance shown beside it (39560 km), not to the
// placeholder of the window description.
TEST(StartUp, EveryTextAfterTheLoad) {
  const Texts expected{"1",     "45",   "10",   "10",    "1",     "75",     "0",   "1",
                       "60",    "12",   "0",    "10",    "10",    "15",     "1",   "50",
                       "60",    "15",   "0",    "40",    "150",   "60",     "30",  "1",
                       "30",    "1.01", "39.7", "31.2",  "20.75", "197.19", "8.4", "39560",
                       "39560", "10.9", "",     "Text1", "Text1"};
  Calculator w;
  ASSERT_EQ(w.load(), std::nullopt);
  EXPECT_EQ(snapshot(w), expected);
  EXPECT_EQ(w.window().pi(), 4 * std::atan(1.0));
  EXPECT_EQ(w.window().fontSize(), 8);
  EXPECT_EQ(w.window().rain(), O::clearSky);
}

// ------------------------------------------------------------ the event table

struct EventRow {
  const char* name;
  O selectedBefore;
  std::optional<S> slider;  // the event: a slider's Change, or else a click
  O click;
  TextSet writes;
  bool movesPointers;
};

EventRow sliderRow(const char* name, S slider, TextSet results, O before = O::clearSky) {
  TextSet w = results;
  w.set(index(valueLabel(slider)));
  const bool alignment = inputSpec(slider).page == 4;
  return {name, before, slider, O::clearSky, w, alignment};
}

EventRow clickRow(const char* name, O click, TextSet writes, O before = O::clearSky) {
  return {name, before, std::nullopt, click, writes, false};
}

const TextSet kAlignmentWrites =
    texts({T::elevation, T::azimuth, T::skew, T::distance, T::shownDistance, T::carrierToNoise});
const TextSet kRainWrites =
    texts({T::rainElevation, T::rainRate, T::rainAttenuation, T::carrierToNoise});

std::vector<EventRow> eventTable() {
  std::vector<EventRow> rows;
  const S noiseFigure[] = {
      S::lnbNoiseFigure,     S::lnbGain,     S::cableLoss,           S::ifNoiseFigure, S::feedLoss,
      S::antennaTemperature, S::ifCableLoss, S::receiverNoiseFigure, S::ifGain};
  static const char* const kNoiseNames[] = {"HScroll1",  "HScroll2",  "HScroll3",
                                            "HScroll4",  "HScroll7",  "HScroll11",
                                            "HScroll12", "HScroll13", "HScroll14"};
  for (std::size_t i = 0; i < std::size(noiseFigure); ++i) {
    rows.push_back(sliderRow(kNoiseNames[i], noiseFigure[i], texts({T::systemNoiseFigure})));
  }
  rows.push_back(
      sliderRow("HScroll5", S::converterNoiseFigure, texts({valueLabel(S::converterTemperature)})));
  rows.push_back(
      sliderRow("HScroll6", S::converterTemperature, texts({valueLabel(S::converterNoiseFigure)})));
  rows.push_back(sliderRow("HScroll8", S::gainDiameter, texts({T::antennaGain})));
  rows.push_back(sliderRow("HScroll9", S::gainEfficiency, texts({T::antennaGain})));
  rows.push_back(sliderRow("HScroll10", S::frequency, texts({T::antennaGain})));
  rows.push_back(sliderRow("HScroll15", S::gtNoiseFigure, texts({T::figureOfMerit})));
  rows.push_back(sliderRow("HScroll16", S::gtAntennaGain, texts({T::figureOfMerit})));
  rows.push_back(sliderRow("HScroll17", S::latitude, kAlignmentWrites));
  rows.push_back(sliderRow("HScroll18", S::longitude, kAlignmentWrites));
  rows.push_back(sliderRow("HScroll19", S::satellite, kAlignmentWrites));
  // While it rains the allowance and its elevation follow the alignment.
  const TextSet raining = kAlignmentWrites | texts({T::rainElevation, T::rainAttenuation});
  rows.push_back(sliderRow("HScroll17WhileRaining5", S::latitude, raining, O::rate5));
  rows.push_back(sliderRow("HScroll18WhileRaining10", S::longitude, raining, O::rate10));
  rows.push_back(sliderRow("HScroll19WhileRaining50", S::satellite, raining, O::rate50));
  static const char* const kCnNames[] = {"HScroll20", "HScroll21", "HScroll22",
                                         "HScroll23", "HScroll24", "HScroll25"};
  for (int i = 0; i < 6; ++i) {
    rows.push_back(
        sliderRow(kCnNames[i], static_cast<S>(index(S::eirp) + i), texts({T::carrierToNoise})));
  }
  rows.push_back(
      sliderRow("HScroll20WhileRaining", S::eirp, texts({T::carrierToNoise}), O::rate50));
  rows.push_back(clickRow("ClearSky", O::clearSky, texts({T::carrierToNoise})));
  rows.push_back(clickRow("ClearSkyAfterRain", O::clearSky, texts({T::carrierToNoise}), O::rate10));
  rows.push_back(clickRow("Rain5", O::rate5, kRainWrites));
  rows.push_back(clickRow("Rain10", O::rate10, kRainWrites));
  rows.push_back(clickRow("Rain50", O::rate50, kRainWrites));
  rows.push_back(clickRow("Rain10AfterRain50", O::rate10, kRainWrites, O::rate50));
  return rows;
}

void PrintTo(const EventRow& row, std::ostream* os) {
  *os << row.name;
}

class EventTable : public testing::TestWithParam<EventRow> {};

// Every text an event writes is first filled with a marker: it must be
// replaced. Every other text must come through byte for byte.
TEST_P(EventTable, WritesItsTextsAndLeavesTheRestAlone) {
  const EventRow& row = GetParam();
  Calculator w = loaded();
  if (row.selectedBefore != O::clearSky) {
    ASSERT_EQ(w.selectRain(row.selectedBefore), std::nullopt);
  }
  const std::string marker = "\x01unwritten";
  for (std::size_t i = 0; i < kValueCount; ++i) {
    if (row.writes.test(i)) {
      w.window().setText(static_cast<Value>(i), marker);
    }
  }
  const Texts before = snapshot(w);
  const Line pointers[] = {w.window().line(Pointer::skew), w.window().line(Pointer::azimuth),
                           w.window().line(Pointer::elevation)};
  if (row.slider) {
    const Slider& s = w.window().slider(*row.slider);
    ASSERT_TRUE(w.window().moveSlider(*row.slider, s.position == s.min ? s.max : s.min));
    ASSERT_EQ(w.sliderMoved(*row.slider), std::nullopt);
  } else {
    ASSERT_EQ(w.selectRain(row.click), std::nullopt);
  }
  const Texts after = snapshot(w);
  for (std::size_t i = 0; i < kValueCount; ++i) {
    if (row.writes.test(i)) {
      EXPECT_NE(after[i], marker) << kValueNames[i] << " was not written";
    } else {
      EXPECT_EQ(after[i], before[i]) << kValueNames[i] << " was changed";
    }
  }
  bool moved = false;
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    const Line& l = w.window().line(static_cast<Pointer>(i));
    EXPECT_EQ(l.x1, pointers[i].x1);
    EXPECT_EQ(l.y1, pointers[i].y1);
    moved = moved || l.x2 != pointers[i].x2 || l.y2 != pointers[i].y2;
  }
  EXPECT_EQ(moved, row.movesPointers);
  if (!row.slider) {
    EXPECT_EQ(w.window().rain(), row.click);
  }
}

INSTANTIATE_TEST_SUITE_P(AllEvents, EventTable, testing::ValuesIn(eventTable()),
                         [](const testing::TestParamInfo<EventRow>& info) {
                           return std::string(info.param.name);
                         });

// ------------------------------------------------------------- slider events

TEST(SliderEvents, RaisingAgainAtTheSamePositionChangesNothing) {
  Calculator w = loaded();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const Input id = static_cast<Input>(i);
    ASSERT_TRUE(w.window().moveSlider(id, kInputs[i].max));
    ASSERT_EQ(w.sliderMoved(id), std::nullopt);
    w.window().takeChangedTexts();
    w.window().takeChangedLines();
    ASSERT_EQ(w.sliderMoved(id), std::nullopt);
    EXPECT_TRUE(w.window().takeChangedTexts().none()) << kInputs[i].name;
    EXPECT_TRUE(w.window().takeChangedLines().none()) << kInputs[i].name;
  }
}

TEST(SliderEvents, OutOfRangePositionsAreRefused) {
  Calculator w = loaded();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const Input id = static_cast<Input>(i);
    const InputSpec& s = kInputs[i];
    EXPECT_FALSE(w.window().moveSlider(id, static_cast<std::int16_t>(s.min - 1))) << s.name;
    EXPECT_FALSE(w.window().moveSlider(id, static_cast<std::int16_t>(s.max + 1))) << s.name;
    EXPECT_EQ(w.window().slider(id).position, s.initial) << s.name;
  }
}

// The first four pages stand alone: nothing they compute leaves the page.
TEST(SliderEvents, FirstFourPagesChangeOnlyTheirOwnLabels) {
  const TextSet pages[] = {
      texts({valueLabel(S::lnbNoiseFigure), valueLabel(S::lnbGain), valueLabel(S::cableLoss),
             valueLabel(S::ifNoiseFigure), valueLabel(S::feedLoss),
             valueLabel(S::antennaTemperature), valueLabel(S::ifCableLoss),
             valueLabel(S::receiverNoiseFigure), valueLabel(S::ifGain), T::systemNoiseFigure}),
      texts({valueLabel(S::converterNoiseFigure), valueLabel(S::converterTemperature)}),
      texts({valueLabel(S::gainDiameter), valueLabel(S::gainEfficiency), valueLabel(S::frequency),
             T::antennaGain}),
      texts({valueLabel(S::gtNoiseFigure), valueLabel(S::gtAntennaGain), T::figureOfMerit}),
  };
  Calculator w = loaded();
  w.window().takeChangedTexts();
  w.window().takeChangedLines();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const InputSpec& s = kInputs[i];
    if (s.page > 3) {
      continue;
    }
    const Input id = static_cast<Input>(i);
    for (int p = s.min; p <= s.max; ++p) {
      ASSERT_TRUE(w.window().moveSlider(id, static_cast<std::int16_t>(p)));
      ASSERT_EQ(w.sliderMoved(id), std::nullopt);
      const TextSet changed = w.window().takeChangedTexts();
      ASSERT_TRUE((changed & ~pages[s.page]).none()) << s.name << "=" << p << ": " << changed;
      ASSERT_TRUE(w.window().takeChangedLines().none()) << s.name << "=" << p;
    }
  }
}

// --------------------------------------------------- alignment, rain and C/N

struct Site {
  std::int16_t latitude, longitude, satellite;
};
const Site kSites[] = {{30, 15, 0}, {-30, 0, 20}, {70, -20, 5}, {5, 40, 30}};

// While a rain option is selected, the alignment sliders must leave the
// window exactly as if the user had pointed the dish first and then chosen
// the rain rate.
TEST(RainAndAlignment, AllowanceFollowsTheElevationWhileRaining) {
  for (const O rain : {O::rate5, O::rate10, O::rate50}) {
    for (const Site& site : kSites) {
      Calculator raining = loaded();
      ASSERT_EQ(raining.selectRain(rain), std::nullopt);
      apply(raining, {{S::latitude, site.latitude},
                      {S::longitude, site.longitude},
                      {S::satellite, site.satellite}});

      Calculator fresh = loaded();
      apply(fresh, {{S::latitude, site.latitude},
                    {S::longitude, site.longitude},
                    {S::satellite, site.satellite}});
      ASSERT_EQ(fresh.selectRain(rain), std::nullopt);

      SCOPED_TRACE(testing::Message() << name(rain) << " at " << site.latitude << ", "
                                      << site.longitude << ", " << site.satellite);
      EXPECT_EQ(snapshot(raining), snapshot(fresh));
      EXPECT_EQ(raining.window().text(T::rainElevation), raining.window().text(T::elevation));
    }
  }
}

TEST(RainAndAlignment, EveryRainOptionShowsItsElevation) {
  for (const O rain : {O::rate5, O::rate10, O::rate50}) {
    Calculator w = loaded();
    apply(w, {{S::latitude, 45}});
    ASSERT_EQ(w.selectRain(rain), std::nullopt);
    EXPECT_EQ(w.window().text(T::rainElevation), "36.06") << name(rain);
    EXPECT_EQ(w.window().text(T::rainElevation), w.window().text(T::elevation)) << name(rain);
  }
}

TEST(RainAndAlignment, ClearSkyKeepsTheStoredRainUnused) {
  Calculator w = loaded();
  const std::string clearSky = w.window().text(T::carrierToNoise);
  ASSERT_EQ(w.selectRain(Rain::rate10), std::nullopt);
  const Texts raining = snapshot(w);
  ASSERT_EQ(w.selectRain(Rain::clearSky), std::nullopt);
  EXPECT_EQ(w.window().text(T::carrierToNoise), clearSky);
  for (const T id : {T::rainRate, T::rainAttenuation, T::rainElevation}) {
    EXPECT_EQ(w.window().text(id), raining[index(id)]) << name(id);
  }
  // Under a clear sky the alignment leaves the stored rain as it is...
  apply(w, {{S::latitude, 10}});
  for (const T id : {T::rainRate, T::rainAttenuation, T::rainElevation}) {
    EXPECT_EQ(w.window().text(id), raining[index(id)]) << name(id);
  }
  // ...and choosing the rain rate again computes it for the new elevation.
  ASSERT_EQ(w.selectRain(Rain::rate10), std::nullopt);
  EXPECT_EQ(w.window().text(T::rainElevation), w.window().text(T::elevation));
  EXPECT_NE(w.window().text(T::rainAttenuation), raining[index(T::rainAttenuation)]);
}

TEST(RainAndAlignment, ClearSkyAlignmentLeavesElevationEchoEmpty) {
  Calculator w = loaded();
  apply(w, {{S::latitude, 10}, {S::longitude, -40}, {S::satellite, -60}});
  EXPECT_EQ(w.window().text(T::rainElevation), "");
  EXPECT_EQ(w.window().text(T::rainAttenuation), "Text1");
  EXPECT_EQ(w.window().text(T::rainRate), "Text1");
}

// The C/N follows the distance the alignment shows, under any sky.
TEST(RainAndAlignment, CarrierToNoiseUsesTheDistanceShown) {
  for (const O sky : {O::clearSky, O::rate5, O::rate50}) {
    for (const Site& site : kSites) {
      Calculator moved = loaded();
      ASSERT_EQ(moved.selectRain(sky), std::nullopt);
      apply(moved, {{S::latitude, site.latitude},
                    {S::longitude, site.longitude},
                    {S::satellite, site.satellite}});
      // Recomputing the C/N on its own page must not change it.
      const std::string cn = moved.window().text(T::carrierToNoise);
      ASSERT_EQ(moved.sliderMoved(S::eirp), std::nullopt);
      EXPECT_EQ(moved.window().text(T::carrierToNoise), cn) << name(sky) << " " << site.latitude;
      EXPECT_EQ(moved.window().text(T::shownDistance), moved.window().text(T::distance));
    }
  }
}

}  // namespace
}  // namespace kestrion
