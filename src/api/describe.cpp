#include "api/describe.h"

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "calc/rain_fade.h"
#include "model/controls.h"
#include "model/layout.h"
#include "product.h"
#include "session/event.h"
#include "session/rain_fade_availability.h"
#include "session/sun_json.h"

namespace kestrion::api {
namespace {

using Json = nlohmann::ordered_json;
using layout::ControlSpec;
using layout::Kind;

// The description's words for the layout's enumerations, each beside its
// enumerator, in the enumeration's order.
template <typename Id>
struct Word {
  Id id;
  std::string_view word;
};
using layout::Aid;
using layout::Command;
using layout::Look;
using StopKind = layout::FocusStop::Kind;

// clang-format off
constexpr auto kKindWords = std::to_array<Word<Kind>>({
    {Kind::Label, "label"}, {Kind::Text, "text"}, {Kind::Slider, "slider"}, {Kind::Option, "option"},
    {Kind::Button, "button"}, {Kind::Picture, "picture"}, {Kind::Link, "link"},
    {Kind::HiddenText, "hidden"}, {Kind::Aid, "aid"}, {Kind::OffsetAngle, "offsetAngle"}});
constexpr auto kLookWords = std::to_array<Word<Look>>({
    {Look::None, "none"}, {Look::Plain, "plain"}, {Look::PlainCentred, "plainCentred"},
    {Look::InputBox, "inputBox"}, {Look::InputBoxWhite, "inputBoxWhite"}, {Look::ResultBox, "resultBox"},
    {Look::ResultBoxGrey, "resultBoxGrey"}, {Look::Warning, "warning"}});
constexpr auto kAidWords = std::to_array<Word<Aid>>({
    {Aid::magneticBearing, "magneticBearing"}, {Aid::declination, "declination"},
    {Aid::faceTilt, "faceTilt"}, {Aid::warnings, "warnings"}, {Aid::satelliteName, "satelliteName"},
    {Aid::skewDirection, "skewDirection"}});
constexpr auto kCommandWords = std::to_array<Word<Command>>({
    {Command::quit, "quit"}, {Command::footprints, "footprints"}, {Command::homePage, "homePage"}});
constexpr auto kStopWords = std::to_array<Word<StopKind>>({
    {StopKind::Tabs, "tabs"}, {StopKind::Slider, "slider"}, {StopKind::Option, "option"},
    {StopKind::Command, "command"}, {StopKind::OffsetAngle, "offsetAngle"}});
// clang-format on

// One word each, in order: the last enumerator has the last row.
template <typename Words>
constexpr bool complete(const Words& words, std::size_t count) {
  return words.size() == count && inOrder(words);
}
static_assert(complete(kKindWords, static_cast<std::size_t>(Kind::OffsetAngle) + 1));
static_assert(complete(kLookWords, static_cast<std::size_t>(Look::Warning) + 1));
static_assert(complete(kAidWords, layout::kAidCount));
static_assert(complete(kCommandWords, layout::kCommandCount));
static_assert(complete(kStopWords, static_cast<std::size_t>(StopKind::OffsetAngle) + 1));

template <typename Id, std::size_t N>
std::string word(const std::array<Word<Id>, N>& words, Id id) {
  return std::string(words.at(static_cast<std::size_t>(id)).word);
}

Json rect(const layout::TwipsRect& r) {
  return Json::array({r.left, r.top, r.width, r.height});
}

Json control(const ControlSpec& row) {
  Json j;
  j["kind"] = word(kKindWords, row.kind);
  j["name"] = std::string(row.objectName());
  switch (row.kind) {
    case Kind::Slider:
      j["input"] = std::string(name(row.input()));
      break;
    case Kind::Option:
      j["rain"] = std::string(name(row.rain()));
      break;
    case Kind::Button:
    case Kind::Link:
      j["command"] = word(kCommandWords, row.command());
      break;
    case Kind::Aid:
      j["aid"] = word(kAidWords, row.aid());
      break;
    case Kind::Label:
      if (row.role == layout::Role::caption) {
        j["input"] = std::string(name(row.input()));
      } else if (row.role == layout::Role::note) {
        j["noteOf"] = std::string(name(row.input()));
      }
      break;
    case Kind::Text:
      if (row.role == layout::Role::value) {
        j["input"] = std::string(name(row.input()));
      } else if (row.role == layout::Role::result) {
        j["result"] = true;
      }
      break;
    default:
      break;
  }
  if (!row.caption.empty()) {
    // A picture's caption is its artwork's resource path.
    j[row.kind == Kind::Picture ? "artwork" : "caption"] = std::string(row.caption);
  }
  j["rect"] = rect(row.rect);
  j["look"] = word(kLookWords, row.look);
  if (!row.tooltip.empty()) {
    j["tooltip"] = std::string(row.tooltip);
  }
  if (row.font == layout::FontSize::Large) {
    j["large"] = true;
  }
  return j;
}

Json controls(std::span<const ControlSpec> rows) {
  Json list = Json::array();
  for (const ControlSpec& row : rows) {
    list.push_back(control(row));
  }
  return list;
}

Json inputs() {
  Json list = Json::array();
  for (const InputSpec& s : kInputs) {
    list.push_back({{"name", s.name},
                    {"value", s.valueName},
                    {"page", s.page},
                    {"caption", s.caption},
                    {"unit", s.unit},
                    {"scale", s.scale == Scale::Tenth ? "tenth" : "whole"},
                    {"min", s.min},
                    {"max", s.max},
                    {"initial", s.initial}});
  }
  return list;
}

Json values() {
  Json list = Json::array();
  for (std::size_t i = 0; i < kValueCount; ++i) {
    list.push_back({{"name", kValueNames[i]}, {"caption", caption(static_cast<Value>(i))}});
  }
  return list;
}

Json focusOrder() {
  Json list = Json::array();
  for (const layout::FocusStop& stop : layout::focusOrder()) {
    Json j{{"kind", word(kStopWords, stop.kind)}};
    switch (stop.kind) {
      case layout::FocusStop::Kind::Slider:
        j["name"] = std::string(name(static_cast<Input>(stop.id)));
        break;
      case layout::FocusStop::Kind::Option:
        j["name"] = std::string(name(static_cast<Rain>(stop.id)));
        break;
      case layout::FocusStop::Kind::Command:
        j["name"] = word(kCommandWords, static_cast<Command>(stop.id));
        break;
      default:
        break;
    }
    list.push_back(j);
  }
  return list;
}

// The window's rain-availability section: its number boxes and choices, the
// events each group starts from, and the zone and DVB-S2 tables it offers.
Json rainFadeSection() {
  Json inputs = Json::array();
  for (const RainSectionInput& i : rainSectionInputs()) {
    const RainFadeRange range = rainFadeRange(i.field);
    inputs.push_back({{"event", rainFadeField(i.field).name},
                      {"group", rainSectionGroup(i.field)},
                      {"caption", i.caption},
                      {"unit", i.unit},
                      {"min", range.low},
                      {"max", range.high},
                      {"decimals", i.decimals},
                      {"step", i.step},
                      {"tooltip", i.tooltip}});
  }
  Json choices = Json::array();
  for (const RainSectionChoice& c : rainSectionChoices()) {
    choices.push_back({{"event", rainFadeField(c.field).name},
                       {"group", rainSectionGroup(c.field)},
                       {"caption", c.caption},
                       {"tooltip", c.tooltip},
                       {"typed", c.typed}});
  }
  Json polarizations = Json::array();
  for (const RainPolarization& p : rainPolarizations()) {
    polarizations.push_back({{"word", p.word}, {"caption", p.caption}});
  }
  Json zones = Json::array();
  for (const char zone : calc::rainZones()) {
    zones.push_back({{"zone", std::string(1, zone)}, {"rainRate", *calc::zoneRainRate(zone)}});
  }
  Json modcods = Json::array();
  for (std::size_t i = 0; i < calc::modcodCount(); ++i) {
    modcods.push_back(
        {{"name", calc::modcodName(i)}, {"esN0", *calc::modcodEsN0(calc::modcodName(i))}});
  }
  return {{"translationContext", "RainFade"},
          {"inputs", inputs},
          {"choices", choices},
          {"polarizations", polarizations},
          {"start", rainSectionStart()},
          {"percents", kSectionPercents},
          {"zones", zones},
          {"modcods", modcods}};
}

}  // namespace

std::string describeControls() {
  Json d;
  d["title"] = kTitle;
  d["version"] = kVersion;
  d["homePage"] = kHomePage;
  d["footprintPage"] = footprintPage();
  d["aboutNotice"] = layout::kAboutNotice;
  // Captions and tooltips are the catalogues' source texts, in these contexts.
  d["translationContexts"] = {{"caption", "Caption"}, {"tooltip", "Tooltip"}};
  d["tabControl"] = rect(layout::kTabControlRect);
  d["pageContentTop"] = layout::kPageContentTop;
  d["alignmentPage"] = layout::kAlignmentPage;
  Json pages = Json::array();
  for (int page = 0; page < kPageCount; ++page) {
    pages.push_back({{"caption", kPageCaptions[static_cast<std::size_t>(page)]},
                     {"controls", controls(layout::pageControls(page))}});
  }
  d["pages"] = pages;
  d["window"] = controls(layout::windowControls());
  d["inputs"] = inputs();
  d["values"] = values();
  Json rain = Json::array();
  for (const RainSpec& option : kRainOptions) {
    rain.push_back({{"name", option.name}, {"caption", option.caption}});
  }
  d["rainOptions"] = rain;
  // The sun's options as kestrion_set_sun_option takes them, with their ranges.
  Json sun = Json::array();
  for (const SunFieldName& f : sunFields()) {
    sun.push_back({{"name", f.name},
                   {"low", f.low},
                   {"high", f.high},
                   {"lowExcluded", f.lowExcluded},
                   {"whole", f.field == SunField::days}});
  }
  d["sunFields"] = sun;
  Json pointers = Json::array();
  for (const PointerSpec& pointer : kPointers) {
    pointers.push_back(pointer.name);
  }
  d["pointers"] = pointers;
  d["focusOrder"] = focusOrder();
  Json typed = Json::object();
  for (const TypedEntryKind& entry : kTypedEntries) {
    typed[std::string(entry.name)] = std::string(name(entry.input));
  }
  d["typedEntries"] = typed;
  // The values kestrion_arc copies for each position, by name, so a view can
  // set the satellite shown beside its arc.
  d["arcValues"] = {{"elevation", std::string(name(Value::elevation))},
                    {"azimuth", std::string(name(Value::azimuth))}};
  d["rainFade"] = rainFadeSection();
  return d.dump();
}

}  // namespace kestrion::api
