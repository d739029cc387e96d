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
using test::loadedWindow;
using test::snapshot;
using test::Texts;
using S = SliderId;
using T = TextId;
using O = OptionId;

using TextSet = std::bitset<kTextCount>;
TextSet texts(std::initializer_list<TextId> ids) {
  TextSet set;
  for (const TextId id : ids) {
    set.set(index(id));
  }
  return set;
}

TEST(StartUp, WindowDescriptionBeforeTheLoad) {
  const Window w;
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderSpec& s = kSliders[i];
    EXPECT_EQ(w.slider(static_cast<SliderId>(i)).position, s.initial) << s.name;
  }
  for (const TextId id : {T::totnf, T::Gain, T::GT, T::el, T::az, T::offset, T::cnres, T::cnel}) {
    EXPECT_EQ(w.text(id), "") << name(id);
  }
  EXPECT_EQ(w.text(T::rsat), "38000");
  EXPECT_EQ(w.text(T::rsat2), "38000");
  EXPECT_EQ(w.text(T::regntext), "Text1");
  EXPECT_EQ(w.text(T::attenuation), "Text1");
  EXPECT_EQ(w.selectedOption(), O::rainoff);
}

// The first C/N belongs to the distance shown beside it (39560 km), not to the
// placeholder of the window description.
TEST(StartUp, EveryTextAfterTheLoad) {
  const Texts expected{"1",     "45",   "10",   "10",    "1",     "75",     "0",   "1",
                       "60",    "12",   "0",    "10",    "10",    "15",     "1",   "50",
                       "60",    "15",   "0",    "40",    "150",   "60",     "30",  "1",
                       "30",    "1.01", "39.7", "31.2",  "20.75", "197.19", "8.4", "39560",
                       "39560", "10.9", "",     "Text1", "Text1"};
  Window w;
  ASSERT_EQ(w.Form_Load(), std::nullopt);
  EXPECT_EQ(snapshot(w), expected);
  EXPECT_EQ(w.fields().pi, 4 * std::atan(1.0));
  EXPECT_EQ(w.fields().fontSize, 8);
  EXPECT_EQ(w.selectedOption(), O::rainoff);
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

EventRow sliderRow(const char* name, S slider, TextSet results, O before = O::rainoff) {
  TextSet w = results;
  w.set(index(valueLabel(slider)));
  const bool alignment = sliderSpec(slider).recompute == Recompute::Alignment;
  return {name, before, slider, O::rainoff, w, alignment};
}

EventRow clickRow(const char* name, O click, TextSet writes, O before = O::rainoff) {
  return {name, before, std::nullopt, click, writes, false};
}

const TextSet kAlignmentWrites = texts({T::el, T::az, T::offset, T::rsat, T::rsat2, T::cnres});
const TextSet kRainWrites = texts({T::cnel, T::regntext, T::attenuation, T::cnres});

std::vector<EventRow> eventTable() {
  std::vector<EventRow> rows;
  const S noiseFigure[] = {S::HScroll1,  S::HScroll2,  S::HScroll3,  S::HScroll4, S::HScroll7,
                           S::HScroll11, S::HScroll12, S::HScroll13, S::HScroll14};
  static const char* const kNoiseNames[] = {"HScroll1",  "HScroll2",  "HScroll3",
                                            "HScroll4",  "HScroll7",  "HScroll11",
                                            "HScroll12", "HScroll13", "HScroll14"};
  for (std::size_t i = 0; i < std::size(noiseFigure); ++i) {
    rows.push_back(sliderRow(kNoiseNames[i], noiseFigure[i], texts({T::totnf})));
  }
  rows.push_back(sliderRow("HScroll5", S::HScroll5, texts({T::nt})));
  rows.push_back(sliderRow("HScroll6", S::HScroll6, texts({T::nf})));
  rows.push_back(sliderRow("HScroll8", S::HScroll8, texts({T::Gain})));
  rows.push_back(sliderRow("HScroll9", S::HScroll9, texts({T::Gain})));
  rows.push_back(sliderRow("HScroll10", S::HScroll10, texts({T::Gain})));
  rows.push_back(sliderRow("HScroll15", S::HScroll15, texts({T::GT})));
  rows.push_back(sliderRow("HScroll16", S::HScroll16, texts({T::GT})));
  rows.push_back(sliderRow("HScroll17", S::HScroll17, kAlignmentWrites));
  rows.push_back(sliderRow("HScroll18", S::HScroll18, kAlignmentWrites));
  rows.push_back(sliderRow("HScroll19", S::HScroll19, kAlignmentWrites));
  // While it rains the allowance and its elevation follow the alignment.
  const TextSet raining = kAlignmentWrites | texts({T::cnel, T::attenuation});
  rows.push_back(sliderRow("HScroll17WhileRaining5", S::HScroll17, raining, O::Option1));
  rows.push_back(sliderRow("HScroll18WhileRaining10", S::HScroll18, raining, O::Option2));
  rows.push_back(sliderRow("HScroll19WhileRaining50", S::HScroll19, raining, O::Option3));
  static const char* const kCnNames[] = {"HScroll20", "HScroll21", "HScroll22",
                                         "HScroll23", "HScroll24", "HScroll25"};
  for (int i = 0; i < 6; ++i) {
    rows.push_back(
        sliderRow(kCnNames[i], static_cast<S>(index(S::HScroll20) + i), texts({T::cnres})));
  }
  rows.push_back(sliderRow("HScroll20WhileRaining", S::HScroll20, texts({T::cnres}), O::Option3));
  rows.push_back(clickRow("ClearSky", O::rainoff, texts({T::cnres})));
  rows.push_back(clickRow("ClearSkyAfterRain", O::rainoff, texts({T::cnres}), O::Option2));
  rows.push_back(clickRow("Rain5", O::Option1, kRainWrites));
  rows.push_back(clickRow("Rain10", O::Option2, kRainWrites));
  rows.push_back(clickRow("Rain50", O::Option3, kRainWrites));
  rows.push_back(clickRow("Rain10AfterRain50", O::Option2, kRainWrites, O::Option3));
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
  Window w = loadedWindow();
  if (row.selectedBefore != O::rainoff) {
    ASSERT_EQ(w.click(row.selectedBefore), std::nullopt);
  }
  const std::string marker = "\x01unwritten";
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (row.writes.test(i)) {
      w.setText(static_cast<TextId>(i), marker);
    }
  }
  const Texts before = snapshot(w);
  const Line pointers[] = {w.line(LineId::Line6), w.line(LineId::Line7), w.line(LineId::Line8)};
  if (row.slider) {
    const Slider& s = w.slider(*row.slider);
    ASSERT_TRUE(w.moveSlider(*row.slider, s.position == s.min ? s.max : s.min));
    ASSERT_EQ(w.HScroll_Change(*row.slider), std::nullopt);
  } else {
    ASSERT_EQ(w.click(row.click), std::nullopt);
  }
  const Texts after = snapshot(w);
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (row.writes.test(i)) {
      EXPECT_NE(after[i], marker) << kTextNames[i] << " was not written";
    } else {
      EXPECT_EQ(after[i], before[i]) << kTextNames[i] << " was changed";
    }
  }
  bool moved = false;
  for (std::size_t i = 0; i < kLineCount; ++i) {
    const Line& l = w.line(static_cast<LineId>(i));
    EXPECT_EQ(l.x1, pointers[i].x1);
    EXPECT_EQ(l.y1, pointers[i].y1);
    moved = moved || l.x2 != pointers[i].x2 || l.y2 != pointers[i].y2;
  }
  EXPECT_EQ(moved, row.movesPointers);
  if (!row.slider) {
    EXPECT_EQ(w.selectedOption(), row.click);
  }
}

INSTANTIATE_TEST_SUITE_P(AllEvents, EventTable, testing::ValuesIn(eventTable()),
                         [](const testing::TestParamInfo<EventRow>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------- both events, one body

void expectSameState(const Window& a, const Window& b, const std::string& what) {
  EXPECT_EQ(snapshot(a), snapshot(b)) << what;
  for (std::size_t i = 0; i < kLineCount; ++i) {
    const Line& la = a.line(static_cast<LineId>(i));
    const Line& lb = b.line(static_cast<LineId>(i));
    EXPECT_TRUE(la.x2 == lb.x2 && la.y2 == lb.y2) << what << " " << kLineNames[i];
  }
  EXPECT_EQ(a.fields().chainnf, b.fields().chainnf) << what;
  EXPECT_EQ(a.fields().ratio, b.fields().ratio) << what;
  EXPECT_EQ(a.fields().central, b.fields().central) << what;
}

TEST(SliderEvents, ScrollGivesTheSameStateAsChange) {
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderId id = static_cast<SliderId>(i);
    const SliderSpec& s = kSliders[i];
    for (const O option : {O::rainoff, O::Option1}) {
      for (const std::int16_t p : {s.min, static_cast<std::int16_t>((s.min + s.max) / 2), s.max}) {
        Window change = loadedWindow();
        Window scroll = loadedWindow();
        ASSERT_EQ(change.click(option), std::nullopt);
        ASSERT_EQ(scroll.click(option), std::nullopt);
        ASSERT_TRUE(change.moveSlider(id, p));
        ASSERT_TRUE(scroll.moveSlider(id, p));
        ASSERT_EQ(change.HScroll_Change(id), std::nullopt);
        ASSERT_EQ(scroll.HScroll_Scroll(id), std::nullopt);
        expectSameState(change, scroll, std::string(s.name) + "=" + std::to_string(p));
      }
    }
  }
}

TEST(SliderEvents, RaisingAgainAtTheSamePositionChangesNothing) {
  Window w = loadedWindow();
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderId id = static_cast<SliderId>(i);
    for (const SliderEvent first : {SliderEvent::Change, SliderEvent::Scroll}) {
      ASSERT_TRUE(w.moveSlider(id, kSliders[i].max));
      ASSERT_EQ(w.raise(id, first), std::nullopt);
      w.takeChangedTexts();
      w.takeChangedLines();
      ASSERT_EQ(w.raise(id, SliderEvent::Change), std::nullopt);
      ASSERT_EQ(w.raise(id, SliderEvent::Scroll), std::nullopt);
      EXPECT_TRUE(w.takeChangedTexts().none()) << kSliders[i].name;
      EXPECT_TRUE(w.takeChangedLines().none()) << kSliders[i].name;
    }
  }
}

TEST(SliderEvents, OutOfRangePositionsAreRefused) {
  Window w = loadedWindow();
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderId id = static_cast<SliderId>(i);
    const SliderSpec& s = kSliders[i];
    EXPECT_FALSE(w.moveSlider(id, static_cast<std::int16_t>(s.min - 1))) << s.name;
    EXPECT_FALSE(w.moveSlider(id, static_cast<std::int16_t>(s.max + 1))) << s.name;
    EXPECT_EQ(w.slider(id).position, s.initial) << s.name;
  }
}

// The first four pages stand alone: nothing they compute leaves the page.
TEST(SliderEvents, FirstFourPagesChangeOnlyTheirOwnLabels) {
  const TextSet pages[] = {
      texts({T::lnbnf, T::lnbgain, T::cableloss, T::ifnf, T::feedloss, T::tant, T::cableloss2,
             T::recnf, T::ifgain, T::totnf}),
      texts({T::nf, T::nt}),
      texts({T::diameter1, T::eff, T::frekvens, T::Gain}),
      texts({T::snf, T::again, T::GT}),
  };
  Window w = loadedWindow();
  w.takeChangedTexts();
  w.takeChangedLines();
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    const SliderSpec& s = kSliders[i];
    if (s.page > 3) {
      continue;
    }
    const SliderId id = static_cast<SliderId>(i);
    for (int p = s.min; p <= s.max; ++p) {
      ASSERT_TRUE(w.moveSlider(id, static_cast<std::int16_t>(p)));
      ASSERT_EQ(w.HScroll_Change(id), std::nullopt);
      const TextSet changed = w.takeChangedTexts();
      ASSERT_TRUE((changed & ~pages[s.page]).none()) << s.name << "=" << p << ": " << changed;
      ASSERT_TRUE(w.takeChangedLines().none()) << s.name << "=" << p;
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
  for (const O rain : {O::Option1, O::Option2, O::Option3}) {
    for (const Site& site : kSites) {
      Window raining = loadedWindow();
      ASSERT_EQ(raining.click(rain), std::nullopt);
      apply(raining, {{S::HScroll17, site.latitude},
                      {S::HScroll18, site.longitude},
                      {S::HScroll19, site.satellite}});

      Window fresh = loadedWindow();
      apply(fresh, {{S::HScroll17, site.latitude},
                    {S::HScroll18, site.longitude},
                    {S::HScroll19, site.satellite}});
      ASSERT_EQ(fresh.click(rain), std::nullopt);

      SCOPED_TRACE(testing::Message() << name(rain) << " at " << site.latitude << ", "
                                      << site.longitude << ", " << site.satellite);
      EXPECT_EQ(snapshot(raining), snapshot(fresh));
      EXPECT_EQ(raining.text(T::cnel), raining.text(T::el));
    }
  }
}

TEST(RainAndAlignment, EveryRainOptionShowsItsElevation) {
  for (const O rain : {O::Option1, O::Option2, O::Option3}) {
    Window w = loadedWindow();
    apply(w, {{S::HScroll17, 45}});
    ASSERT_EQ(w.click(rain), std::nullopt);
    EXPECT_EQ(w.text(T::cnel), "36.06") << name(rain);
    EXPECT_EQ(w.text(T::cnel), w.text(T::el)) << name(rain);
  }
}

TEST(RainAndAlignment, ClearSkyKeepsTheStoredRainUnused) {
  Window w = loadedWindow();
  const std::string clearSky = w.text(T::cnres);
  ASSERT_EQ(w.Option2_Click(), std::nullopt);
  const Texts raining = snapshot(w);
  ASSERT_EQ(w.rainoff_Click(), std::nullopt);
  EXPECT_EQ(w.text(T::cnres), clearSky);
  for (const T id : {T::regntext, T::attenuation, T::cnel}) {
    EXPECT_EQ(w.text(id), raining[index(id)]) << name(id);
  }
  // Under a clear sky the alignment leaves the stored rain as it is...
  apply(w, {{S::HScroll17, 10}});
  for (const T id : {T::regntext, T::attenuation, T::cnel}) {
    EXPECT_EQ(w.text(id), raining[index(id)]) << name(id);
  }
  // ...and choosing the rain rate again computes it for the new elevation.
  ASSERT_EQ(w.Option2_Click(), std::nullopt);
  EXPECT_EQ(w.text(T::cnel), w.text(T::el));
  EXPECT_NE(w.text(T::attenuation), raining[index(T::attenuation)]);
}

TEST(RainAndAlignment, ClearSkyAlignmentLeavesElevationEchoEmpty) {
  Window w = loadedWindow();
  apply(w, {{S::HScroll17, 10}, {S::HScroll18, -40}, {S::HScroll19, -60}});
  EXPECT_EQ(w.text(T::cnel), "");
  EXPECT_EQ(w.text(T::attenuation), "Text1");
  EXPECT_EQ(w.text(T::regntext), "Text1");
}

// The C/N follows the distance the alignment shows, under any sky.
TEST(RainAndAlignment, CarrierToNoiseUsesTheDistanceShown) {
  for (const O sky : {O::rainoff, O::Option1, O::Option3}) {
    for (const Site& site : kSites) {
      Window moved = loadedWindow();
      ASSERT_EQ(moved.click(sky), std::nullopt);
      apply(moved, {{S::HScroll17, site.latitude},
                    {S::HScroll18, site.longitude},
                    {S::HScroll19, site.satellite}});
      // Recomputing the C/N on its own page must not change it.
      const std::string cn = moved.text(T::cnres);
      ASSERT_EQ(moved.HScroll_Change(S::HScroll20), std::nullopt);
      EXPECT_EQ(moved.text(T::cnres), cn) << name(sky) << " " << site.latitude;
      EXPECT_EQ(moved.text(T::rsat2), moved.text(T::rsat));
    }
  }
}

}  // namespace
}  // namespace kestrion
