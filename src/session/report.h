// What the copied text and the job sheet report, in the user's language: each
// page's quantities as caption, value and unit, the pointing aids in words,
// and the job sheet's sections. Worked out once, here, from the window's
// texts, so the window, its sheet and the browser's print view say the same.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/sun.h"
#include "engine/angle_text.h"
#include "engine/motor_aid.h"
#include "engine/multifeed_aid.h"
#include "engine/pointing.h"
#include "model/window.h"
#include "session/dish_requests.h"
#include "session/rain_fade_inputs.h"

namespace kestrion {

// A text in the user's language, looked up by the context and source text
// of its translation mark; the source itself where there is none.
using Translate = std::function<std::string(const char* context, std::string_view source)>;
std::string untranslated(const char* context, std::string_view source);

// One set of compass letters per language: the rose's, as translated.
CompassLetters compassLettersIn(const Translate& translate);

// "%1° W" with %1 replaced: the placeholders translators move about.
std::string withArguments(std::string_view pattern, std::initializer_list<std::string_view> args);
std::string withArguments(std::string_view pattern, const std::vector<std::string>& args);
// A refusal's sentence translated in its context, its arguments put in one
// pass so that a typed "%2" stays as typed.
std::string sentenceIn(const Translate& translate, const char* context, const char* sentence,
                       const std::vector<std::string>& args);
// What was wrong with a typed angle and what is accepted, in the language
// the translation gives.
std::string angleProblemIn(const Translate& translate, const AngleReading& reading, AngleKind kind);

// v with this many decimals, rounded to nearest as a printed figure is; never
// "-0". shortText drops the trailing zeros: "12", "3.36".
std::string fixedText(double v, int decimals);
std::string shortText(double v, int decimals);

struct Quantity {
  std::string caption;  // without the unit the window's caption ends with
  std::string value;
  std::string unit;  // empty when the value carries its own
  // What the row shows, for a view that picks rows: the value's control
  // name ("totnf"), else the aid's ("magneticBearing", "latitudeDms").
  std::string id;

  // "29.71 dB", "29.71°": the degree sign follows its number directly.
  [[nodiscard]] std::string valueWithUnit() const {
    if (unit.empty()) {
      return value;
    }
    return unit == "°" ? value + unit : value + ' ' + unit;
  }
};

// A moment as the reader's clock shows it.
struct ClockReading {
  std::string date;  // "2027-03-04"
  std::string time;  // "10:52"
};

// The reader's time zone, named as the sheet says it: the desktop's own,
// UTC where a front-end gives none.
struct ReportClock {
  std::function<ClockReading(calc::UtcTime)> read;
  std::string zone = "UTC";
  [[nodiscard]] ClockReading at(calc::UtcTime t) const;
};

// The moment reported: the window's texts and the aids shown beside them.
struct ReportState {
  const Window& window;
  Pointing pointing;
  calc::CalendarDate date;
  int offsetTenths = 0;
  std::string satelliteName;  // when the satellite was typed or saved by name
  std::string siteName;       // the saved site last chosen or saved, if any
  // The ITU-R rain fade's inputs once the user or an event has set it up;
  // until then nothing reports it.
  const RainFadeInputs* rainFade = nullptr;
  // The sun, the motor and a second LNB once the user asked for them (the
  // sun's window, a motor limit, a second satellite); until then nothing
  // reports them. The sun's figures are worked out when asked: they take a
  // year's search.
  const SunRequest* sun = nullptr;
  std::optional<MotorAid> motor{};
  std::optional<MultifeedAid> multifeed{};
  ReportClock clock{};
};

struct ReportSection {
  std::string heading;
  std::vector<Quantity> rows;
  double captionShare;  // of the column's width, for the caption
  std::string id;       // what it shows, for a view that picks sections: "pointing"
};

class Report {
 public:
  Report(const ReportState& state, Translate translate)
      : state_(state), tr_(std::move(translate)) {}
  // The report reads the state as it is asked: it must outlive the report.
  Report(ReportState&& state, Translate translate) = delete;

  // One of the model's texts, with its caption.
  [[nodiscard]] Quantity quantity(Value id) const;
  // The page's inputs, then its results, then what else it reports: the
  // alignment page its pointing aids, the C/N page its rain option and,
  // once set up, the rain availability.
  [[nodiscard]] std::vector<Quantity> quantities(int page) const;
  // What a change on the page works out: its results (on the converter page
  // both boxes, each worked out from the other), and on the alignment page
  // the aids it shows in result boxes. Boxes the page leaves empty are left out.
  [[nodiscard]] std::vector<Quantity> results(int page) const;
  // The site in degrees, minutes and seconds and the satellite's name; the
  // compass and the dish face's aids.
  [[nodiscard]] std::vector<Quantity> siteAids() const;
  [[nodiscard]] std::vector<Quantity> pointingAids() const;
  [[nodiscard]] Quantity rainOption() const;
  // The ITU-R rain availability once set up, else nothing: what it is
  // worked out for, then what it comes to.
  [[nodiscard]] std::vector<Quantity> rainFadeBasis() const;
  [[nodiscard]] std::vector<Quantity> rainFadeResults() const;
  // What makes those results mislead, a sentence each; shown beside them.
  [[nodiscard]] std::vector<std::string> rainFadeWarnings() const;
  // The words around the rain section's figures: what it starts from (the
  // C/N page's EIRP, dish and clear-sky C/N), a note while its inputs are
  // still the example it opens with, and what its figures mean.
  struct RainFadeAction {
    std::string caption;
    std::string event;
  };
  struct RainFadeNotes {
    std::string basis;
    std::string example;  // empty once any input is the user's
    std::vector<std::string> meanings;
    // The tilt a horizontal and a vertical signal arrive with at the site:
    // the alignment page's skew; none while the satellite is below the horizon.
    std::vector<RainFadeAction> tiltFromSkew;
  };
  [[nodiscard]] RainFadeNotes rainFadeNotes() const;
  // Once asked for, else nothing: the times the sun and a plumb line's
  // shadow show the dish's direction, the coming sun outages and an
  // obstacle's view; the motor's turn, command and mount, and a second LNB.
  [[nodiscard]] std::vector<Quantity> sunRows() const;
  [[nodiscard]] std::vector<Quantity> motorRows() const;

  // The declination ("3.78° E") and the face tilt ("20.75° leans back").
  [[nodiscard]] std::string declination() const;
  [[nodiscard]] std::string faceTilt() const;
  // Which way to turn the LNB to the skew shown, seen from behind the dish
  // looking at the satellite; the page's short form; the row that follows
  // the skew wherever it is reported. Empty below the horizon.
  [[nodiscard]] std::string skewDirection() const;
  [[nodiscard]] std::string skewDirectionShort() const;
  [[nodiscard]] Quantity skewDirectionRow() const;
  // A word or two for each warning, for the page beside the compass.
  [[nodiscard]] std::vector<std::string> shortWarnings() const;

  // "caption<TAB>value unit", a line each; boxes the page leaves empty are
  // left out.
  [[nodiscard]] std::string copyText(int page) const;

  // The results as a listener hears them: "System Noise Figure, 1.01 dB",
  // one after another, then the alignment page's warnings.
  [[nodiscard]] std::string spokenResults(int page) const;

  // The job sheet's words: its tables, in two columns of two, then the rain
  // availability's two once set up, then the sun's and the motor's once
  // asked for; and its lines.
  [[nodiscard]] std::vector<ReportSection> sheetSections() const;
  struct SheetTexts {
    std::string title;
    std::string date;
    std::string site;
    std::vector<std::string> pictureCaptions;  // azimuth, skew, elevation
    std::string notes;
    std::string signatures;
    std::string footer;
  };
  [[nodiscard]] SheetTexts sheetTexts() const;

 private:
  [[nodiscard]] std::string inLanguage(const char* context, std::string_view source) const {
    return tr_(context, source);
  }

  [[nodiscard]] std::string degrees() const;
  [[nodiscard]] std::string unitText(std::string_view unit) const;
  [[nodiscard]] std::vector<Quantity> sunTimeRows(const SunFigures& f) const;
  [[nodiscard]] std::vector<Quantity> outageRows(const SunFigures& f) const;
  [[nodiscard]] std::vector<Quantity> obstacleRows(const SunFigures& f) const;
  [[nodiscard]] std::vector<Quantity> multifeedRows(const MultifeedAid& m) const;

  const ReportState& state_;
  Translate tr_;
};

}  // namespace kestrion
