#include "session/report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "engine/dms_text.h"
#include "model/layout.h"
#include "model/numtext.h"
#include "model/translatable.h"
#include "product.h"

namespace kestrion {
namespace {

// The page of the C/N budget also reports its rain option.
using layout::kCarrierToNoisePage;
constexpr const char* kPageText = "PageText";
constexpr const char* kSheet = "JobSheet";
constexpr const char* kRainFade = "RainFade";
// The window's own texts, which the sheet and the copied lines share.
constexpr const char* kWindowTexts = "kestrion::ui::MainWindow";

bool isBlank(std::string_view s, std::size_t at) {
  const char c = s[at];
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Blanks at both ends go, as a caption's split leaves them.
std::string trimmed(std::string_view s) {
  std::size_t first = 0;
  std::size_t last = s.size();
  while (first < last && isBlank(s, first)) {
    ++first;
  }
  while (last > first && isBlank(s, last - 1)) {
    --last;
  }
  return std::string(s.substr(first, last - first));
}

// The model's texts a page shows in the role (inputs' values or results),
// row by row across it.
std::vector<Value> shownValues(int page, layout::Role role) {
  std::vector<Value> shown;
  for (const layout::ControlSpec& row : layout::pageControls(page)) {
    if (row.kind == layout::Kind::Text && row.role == role) {
      shown.push_back(row.value());
    }
  }
  return shown;
}

}  // namespace

std::string fixedText(double v, int decimals) {
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                 std::chars_format::fixed, decimals);
  std::string text(buffer.data(), end.ptr);
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string shortText(double v, int decimals) {
  std::string text = fixedText(v, decimals);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.ends_with('.')) {
      text.pop_back();
    }
  }
  return text;
}

std::string untranslated(const char* /*context*/, std::string_view source) {
  return std::string(source);
}

// The compass rose's captions as the language writes them; a translation
// that is no single capital keeps the English letter.
CompassLetters compassLettersIn(const Translate& translate) {
  const auto letter = [&translate](layout::CompassPoint point, char english) {
    const std::string shown = translate("Caption", layout::compassLetter(point));
    return shown.size() == 1 && shown[0] >= 'A' && shown[0] <= 'Z' ? shown[0] : english;
  };
  return {letter(layout::CompassPoint::north, kEnglishLetters.north),
          letter(layout::CompassPoint::east, kEnglishLetters.east),
          letter(layout::CompassPoint::south, kEnglishLetters.south),
          letter(layout::CompassPoint::west, kEnglishLetters.west)};
}

namespace {

template <typename Args>
std::string substituted(std::string_view pattern, const Args& args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + static_cast<std::ptrdiff_t>(n));
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

std::string withArguments(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return substituted(pattern, args);
}

std::string withArguments(std::string_view pattern, const std::vector<std::string>& args) {
  return substituted(pattern, args);
}

std::string sentenceIn(const Translate& translate, const char* context, const char* sentence,
                       const std::vector<std::string>& args) {
  return withArguments(translate(context, sentence), args);
}

std::string angleProblemIn(const Translate& translate, const AngleReading& reading,
                           AngleKind kind) {
  std::string what = translate("AngleText", problemText(reading.problem));
  if (!reading.candidates.empty()) {
    what = withArguments(what, {candidateList(reading.candidates)});
  }
  return what + ' ' + translate("AngleText", acceptedText(kind));
}

// Degrees as the language's captions write them: "deg" in English, where
// the window's captions say "(deg)", "°" where the translations do.
std::string Report::degrees() const {
  return inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "deg"));
}

std::string Report::unitText(std::string_view unit) const {
  return unit == "deg" ? degrees() : std::string(unit);
}

Quantity Report::quantity(Value id) const {
  const std::string_view source = kestrion::caption(id);
  std::string caption = source.empty() ? std::string() : inLanguage("Caption", source);
  std::string unit;
  // Most captions end with their unit in brackets: "Eirp (dBW)".
  if (const auto open = caption.rfind(" (");
      open != std::string::npos && open > 0 && caption.ends_with(')')) {
    unit = caption.substr(open + 2, caption.size() - open - 3);
    caption = trimmed(std::string_view(caption).substr(0, open));
  } else if (index(id) < kInputCount) {
    unit = unitText(inputSpec(static_cast<Input>(index(id))).unit);
  } else if (id == Value::rainElevation) {
    unit = degrees();
  }
  // A box the page leaves empty has no unit either.
  const std::string& value = state_.window.text(id);
  return {caption, value, value.empty() ? std::string() : unit, std::string(name(id))};
}

std::string Report::declination() const {
  const auto& d = state_.pointing.declination;
  return d ? eastWestText(*d, 2, compassLettersIn(tr_)) : std::string();
}

std::string Report::faceTilt() const {
  // None is offered where the satellite cannot be seen.
  if (state_.pointing.faceTilt.empty()) {
    return {};
  }
  const long long t = state_.pointing.tiltHundredths;
  const std::string tilt = doubleText(static_cast<double>(std::llabs(t)) / 100);
  const char* pattern = t > 0   ? QT_TRANSLATE_NOOP("kestrion::ui::MainWindow", "%1° leans back")
                        : t < 0 ? QT_TRANSLATE_NOOP("kestrion::ui::MainWindow", "%1° leans forward")
                                : QT_TRANSLATE_NOOP("kestrion::ui::MainWindow", "%1° upright");
  return withArguments(inLanguage(kWindowTexts, pattern), {tilt});
}

std::string Report::skewDirection() const {
  if (!state_.pointing.skewTurn) {
    return {};
  }
  switch (*state_.pointing.skewTurn) {
    case SkewTurn::clockwise:
      return inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText",
                                                     "clockwise, seen from behind the "
                                                     "dish looking at the satellite"));
    case SkewTurn::anticlockwise:
      return inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText",
                                                     "anticlockwise, seen from behind "
                                                     "the dish looking at the satellite"));
    case SkewTurn::none:
      break;
  }
  return inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "none: the LNB stays upright"));
}

std::string Report::skewDirectionShort() const {
  if (!state_.pointing.skewTurn) {
    return {};
  }
  switch (*state_.pointing.skewTurn) {
    case SkewTurn::clockwise:
      return inLanguage(kPageText,
                        QT_TRANSLATE_NOOP("PageText", "clockwise, from behind the dish"));
    case SkewTurn::anticlockwise:
      return inLanguage(kPageText,
                        QT_TRANSLATE_NOOP("PageText", "anticlockwise, from behind the dish"));
    case SkewTurn::none:
      break;
  }
  return inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "none: upright"));
}

Quantity Report::skewDirectionRow() const {
  return {inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "LNB skew direction")),
          skewDirection(),
          {},
          "skewDirection"};
}

namespace {

// The skew's direction follows the skew, wherever rows report it.
void insertAfterSkew(std::vector<Quantity>& rows, Quantity direction) {
  const auto skew = std::find_if(rows.begin(), rows.end(),
                                 [](const Quantity& q) { return q.id == name(Value::skew); });
  if (skew != rows.end()) {
    rows.insert(skew + 1, std::move(direction));
  }
}

}  // namespace

// Below the horizon the compass's caveats are moot, and two lines are all
// the page has room for.
std::vector<std::string> Report::shortWarnings() const {
  const Pointing& p = state_.pointing;
  const auto text = [this](const char* source) { return inLanguage(kWindowTexts, source); };
  std::vector<std::string> out;
  if (p.belowHorizon) {
    out.push_back(text(QT_TRANSLATE_NOOP("kestrion::ui::MainWindow",
                                         "Below the horizon: not visible from this site.")));
    if (p.atPole) {
      out.push_back(text(
          QT_TRANSLATE_NOOP("kestrion::ui::MainWindow", "At a pole the azimuth is arbitrary.")));
    }
    return out;
  }
  if (p.noModel) {
    out.push_back(text(
        QT_TRANSLATE_NOOP("kestrion::ui::MainWindow", "No magnetic model: no magnetic bearing.")));
  }
  if (p.outsideModel) {
    out.push_back(text(QT_TRANSLATE_NOOP("kestrion::ui::MainWindow",
                                         "Date outside the magnetic model (2025 to 2029).")));
  }
  if (p.dateNotCovered) {
    out.push_back(text(QT_TRANSLATE_NOOP("kestrion::ui::MainWindow",
                                         "The magnetic model does not cover this date.")));
  }
  if (p.weakField) {
    out.push_back(text(QT_TRANSLATE_NOOP("kestrion::ui::MainWindow",
                                         "Weak magnetic field: a compass is unreliable here.")));
  }
  return out;
}

Quantity Report::rainOption() const {
  return {inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Rain")),
          inLanguage("Caption", caption(state_.window.rain())),
          {},
          "rain"};
}

std::vector<Quantity> Report::siteAids() const {
  const Window& w = state_.window;
  std::vector<Quantity> rows;
  const CompassLetters letters = compassLettersIn(tr_);
  const auto dms = [&](Input id, AngleKind kind) {
    return dmsText(w.text(id), kind, letters).value_or("");
  };
  rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Latitude (DMS)")),
                  dms(Input::latitude, AngleKind::Latitude),
                  {},
                  "latitudeDms"});
  rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Longitude (DMS)")),
                  dms(Input::longitude, AngleKind::Longitude),
                  {},
                  "longitudeDms"});
  if (!state_.satelliteName.empty()) {
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Satellite")),
                    state_.satelliteName,
                    {},
                    "satelliteName"});
  }
  return rows;
}

std::vector<Quantity> Report::pointingAids() const {
  std::vector<Quantity> rows;
  const Pointing& p = state_.pointing;
  if (!p.magneticAzimuth.empty()) {
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Magnetic bearing")),
                    p.magneticAzimuth, degrees(), "magneticBearing"});
  }
  if (p.declination) {
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Magnetic declination")),
                    declination(),
                    {},
                    "declination"});
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Declination model")),
                    withArguments(inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "%1, %2")),
                                  {kMagneticModelName, dateText(state_.date)}),
                    {},
                    "declinationModel"});
  }
  rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Dish offset angle")),
                  offsetText(state_.offsetTenths), degrees(), "offsetAngle"});
  rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Face tilt")),
                  faceTilt(),
                  {},
                  "faceTilt"});
  return rows;
}

std::vector<Quantity> Report::quantities(int page) const {
  // The layout runs row by row across the page; inputs read best first.
  std::vector<Value> shown = shownValues(page, layout::Role::value);
  const std::vector<Value> worked = shownValues(page, layout::Role::result);
  shown.insert(shown.end(), worked.begin(), worked.end());
  std::vector<Quantity> rows;
  rows.reserve(shown.size() + 10);
  for (const Value v : shown) {
    rows.push_back(quantity(v));
  }
  if (page == layout::kAlignmentPage) {
    insertAfterSkew(rows, skewDirectionRow());
    for (const auto& aids : {siteAids(), pointingAids()}) {
      rows.insert(rows.end(), aids.begin(), aids.end());
    }
    for (const std::string& warning : shortWarnings()) {
      rows.push_back(
          {inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Note")), warning, {}, "warning"});
    }
    // Once asked for, so that Copy says what the sheet says.
    for (const auto& more : {sunRows(), motorRows()}) {
      rows.insert(rows.end(), more.begin(), more.end());
    }
  } else if (page == kCarrierToNoisePage) {
    rows.push_back(rainOption());
    const std::vector<Quantity> basis = rainFadeBasis();
    rows.insert(rows.end(), basis.begin(), basis.end());
    // Ahead of the figures it is about, as the section shows it.
    for (std::string& warning : rainFadeWarnings()) {
      rows.push_back({inLanguage(kRainFade, QT_TRANSLATE_NOOP("RainFade", "Warning")),
                      std::move(warning),
                      {},
                      "rainFade.warning"});
    }
    const std::vector<Quantity> results = rainFadeResults();
    rows.insert(rows.end(), results.begin(), results.end());
  }
  return rows;
}

std::vector<Quantity> Report::results(int page) const {
  std::vector<Value> worked = shownValues(page, layout::Role::result);
  // The converter's two boxes each work the other out.
  if (worked.empty()) {
    worked = shownValues(page, layout::Role::value);
  }
  std::vector<Quantity> rows;
  for (const Value v : worked) {
    if (Quantity q = quantity(v); !q.value.empty()) {
      rows.push_back(std::move(q));
    }
  }
  if (page == layout::kAlignmentPage) {
    if (Quantity q = skewDirectionRow(); !q.value.empty()) {
      insertAfterSkew(rows, std::move(q));
    }
    // The aids the page shows in result boxes; the offset angle is set, not worked out.
    constexpr std::array<std::string_view, 3> kWorkedAids{"magneticBearing", "declination",
                                                          "faceTilt"};
    for (Quantity& q : pointingAids()) {
      if (std::find(kWorkedAids.begin(), kWorkedAids.end(), q.id) != kWorkedAids.end()) {
        rows.push_back(std::move(q));
      }
    }
  }
  return rows;
}

std::string Report::copyText(int page) const {
  std::string text;
  for (const Quantity& q : quantities(page)) {
    if (q.value.empty()) {
      continue;
    }
    text += q.caption + '\t' + q.valueWithUnit();
    text += '\n';
  }
  return text;
}

std::string Report::spokenResults(int page) const {
  std::string text;
  const auto sentence = [&text](const std::string& s) {
    if (!text.empty()) {
      text += text.ends_with('.') ? " " : ". ";
    }
    text += s;
  };
  for (const Quantity& q : results(page)) {
    sentence(q.caption + ", " + q.valueWithUnit());
  }
  if (page == layout::kAlignmentPage) {
    for (const std::string& warning : shortWarnings()) {
      sentence(warning);
    }
  }
  return text;
}

std::vector<ReportSection> Report::sheetSections() const {
  std::vector<Quantity> site{quantity(valueLabel(Input::latitude)),
                             quantity(valueLabel(Input::longitude))};
  for (Quantity& q : siteAids()) {
    site.push_back(std::move(q));
  }
  site.push_back(quantity(valueLabel(Input::satellite)));

  std::vector<Quantity> pointing{quantity(Value::elevation), quantity(Value::azimuth)};
  pointing.back().caption = inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "True azimuth"));
  for (Quantity& q : pointingAids()) {
    pointing.push_back(std::move(q));
  }
  for (const Value v : {Value::skew, Value::shownDistance}) {
    pointing.push_back(quantity(v));
  }
  insertAfterSkew(pointing, skewDirectionRow());

  std::vector<Quantity> budget;
  for (const Input i : {Input::eirp, Input::dishDiameter, Input::dishEfficiency,
                        Input::dishTemperature, Input::linkNoiseFigure, Input::bandwidth}) {
    budget.push_back(quantity(valueLabel(i)));
  }
  budget.push_back(rainOption());
  for (const Value v : {Value::distance, Value::rainElevation, Value::carrierToNoise}) {
    budget.push_back(quantity(v));
  }
  std::vector<ReportSection> sections{
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Site and satellite")), std::move(site),
       0.45, "site"},
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Pointing")), std::move(pointing), 0.45,
       "pointing"},
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Link budget (C/N)")), std::move(budget),
       0.55, "budget"},
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "System noise figure chain")),
       quantities(0), 0.55, "noiseChain"},
  };
  if (state_.rainFade != nullptr) {
    sections.push_back(
        {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Rain fade (ITU-R P.618): the basis")),
         rainFadeBasis(), 0.45, "rainFadeBasis"});
    sections.push_back({inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Rain availability")),
                        rainFadeResults(), 0.45, "rainFadeResults"});
  }
  if (std::vector<Quantity> rows = sunRows(); !rows.empty()) {
    sections.push_back({inLanguage("kestrion::ui::SunDialog",
                                   QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                     "The sun: direction, outages and obstacles")),
                        std::move(rows), 0.2, "sun"});
  }
  if (std::vector<Quantity> rows = motorRows(); !rows.empty()) {
    sections.push_back(
        {inLanguage("kestrion::ui::MotorDialog",
                    QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "Motor and multifeed")),
         std::move(rows), 0.3, "motor"});
  }
  return sections;
}

Report::SheetTexts Report::sheetTexts() const {
  const std::string site = state_.siteName.empty()
                               ? inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "(not saved)"))
                               : state_.siteName;
  return {
      inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Kestrion job sheet")),
      withArguments(inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Date: %1")),
                    {dateText(state_.date)}),
      withArguments(inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Site: %1")), {site}),
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Azimuth")),
       inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Skew")),
       inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Elevation"))},
      inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Notes")),
      inLanguage(
          kSheet,
          QT_TRANSLATE_NOOP(
              "JobSheet", "Installer: ______________________    Customer: ______________________")),
      withArguments(
          inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet",
                                               "Kestrion %1 \u2014 every figure as the window "
                                               "shows it")),
          {kVersion}),
  };
}

}  // namespace kestrion
