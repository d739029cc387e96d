#include "api/describe.h"

#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

#include "calc/rain_fade.h"
#include "model/controls.h"
#include "model/layout.h"
#include "product.h"
#include "session/event.h"
#include "session/rain_availability.h"

namespace kestrion::api {
namespace {

using Json = nlohmann::ordered_json;
using layout::ControlSpec;
using layout::Kind;

constexpr std::array<std::string_view, 10> kKindNames{
    "label",   "text", "slider", "option", "button",
    "picture", "link", "hidden", "aid",    "offsetAngle",
};
constexpr std::array<std::string_view, 8> kLookNames{
    "none",          "plain",     "plainCentred",  "inputBox",
    "inputBoxWhite", "resultBox", "resultBoxGrey", "warning",
};
constexpr std::array<std::string_view, layout::kAidCount> kAidNames{
    "magneticBearing", "declination", "faceTilt", "warnings", "satelliteName"};
constexpr std::array<std::string_view, layout::kCommandCount> kCommandNames{"quit", "footprints",
                                                                            "homePage"};
constexpr std::array<std::string_view, 5> kStopNames{"tabs", "slider", "option", "command",
                                                     "offsetAngle"};

template <typename Names, typename Id>
std::string nameIn(const Names& names, Id id) {
  return std::string(names.at(static_cast<std::size_t>(id)));
}

Json rect(const layout::TwipsRect& r) {
  return Json::array({r.left, r.top, r.width, r.height});
}

Json control(const ControlSpec& row) {
  Json j;
  j["kind"] = nameIn(kKindNames, row.kind);
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
      j["command"] = nameIn(kCommandNames, row.command());
      break;
    case Kind::Aid:
      j["aid"] = nameIn(kAidNames, row.aid());
      break;
    case Kind::Label:
      if (row.captionsInput) {
        j["input"] = std::string(name(row.input()));
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
  j["look"] = nameIn(kLookNames, row.look);
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
    Json j{{"kind", nameIn(kStopNames, stop.kind)}};
    switch (stop.kind) {
      case layout::FocusStop::Kind::Slider:
        j["name"] = std::string(name(static_cast<Input>(stop.id)));
        break;
      case layout::FocusStop::Kind::Option:
        j["name"] = std::string(name(static_cast<Rain>(stop.id)));
        break;
      case layout::FocusStop::Kind::Command:
        j["name"] = nameIn(kCommandNames, stop.id);
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
                       {"tooltip", c.tooltip}});
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
  d["pointers"] = kPointerNames;
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
