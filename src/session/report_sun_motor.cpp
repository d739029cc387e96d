// The sun's and the motor's words for the job sheet and Copy. Their
// sentences are the sun's and the motor's windows' own, so that a
// translation says the same on the screen and on paper.
#include <cmath>

#include "engine/dms_text.h"
#include "model/numtext.h"
#include "model/translatable.h"
#include "session/report.h"
#include "session/sun_json.h"

namespace kestrion {
namespace {

constexpr const char* kSheet = "JobSheet";
constexpr const char* kPageText = "PageText";
constexpr const char* kSun = "kestrion::ui::SunDialog";
constexpr const char* kMotor = "kestrion::ui::MotorDialog";

std::string degreesText(double value, int decimals) {
  return fixedText(value, decimals) + "°";
}

// Cut down to two decimals, as the alignment page and the motor's window show angles.
std::string pageDegrees(double value) {
  return doubleText(cutDown(value * 100, 2)) + "°";
}

}  // namespace

ClockReading ReportClock::at(calc::UtcTime t) const {
  if (read) {
    return read(t);
  }
  const std::string text = calc::utcText(t);  // "2027-03-04T10:52:56Z"
  return {text.substr(0, 10), text.substr(11, 5)};
}

std::vector<Quantity> Report::sunRows() const {
  if (state_.sun == nullptr) {
    return {};
  }
  const SunFigures f = sunFigures(state_.window, state_.date, *state_.sun);
  std::vector<Quantity> rows{
      {inLanguage(kSun, QT_TRANSLATE_NOOP("kestrion::ui::SunDialog", "Date")),
       dateText(f.date),
       {},
       "sun.date"},
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Times in")),
       state_.clock.zone,
       {},
       "sun.zone"},
  };
  if (!f.dish) {
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Note")),
                    inLanguage(kSun, QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                       "The satellite is below the horizon: the "
                                                       "sun can show no direction to it and "
                                                       "causes no outage.")),
                    {},
                    "sun.note"});
    return rows;
  }
  for (const std::vector<Quantity>& part : {sunTimeRows(f), outageRows(f), obstacleRows(f)}) {
    rows.insert(rows.end(), part.begin(), part.end());
  }
  return rows;
}

std::vector<Quantity> Report::sunTimeRows(const SunFigures& f) const {
  std::vector<Quantity> rows;
  const auto add = [&](const std::vector<calc::SunAtAzimuth>& found, bool shadow) {
    const std::string caption = shadow ? inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Shadow"))
                                       : inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Sun"));
    const char* id = shadow ? "sun.shadow" : "sun.sun";
    for (const calc::SunAtAzimuth& s : found) {
      const char* pattern =
          shadow ? QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                     "At %1 a plumb line's shadow points the way the dish must "
                                     "face (the sun %2 high).")
                 : QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                     "At %1 face the sun: that is the dish's direction (the sun "
                                     "%2 high).");
      rows.push_back({caption,
                      withArguments(inLanguage(kSun, pattern),
                                    {state_.clock.at(s.time).time, degreesText(s.elevation, 1)}),
                      {},
                      id});
    }
    if (found.empty()) {
      const char* none =
          shadow ? QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                     "No shadow points the dish's way this day: the sun stands "
                                     "opposite the dish only below the horizon, or never.")
                 : QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                     "The sun does not stand in the dish's direction this day "
                                     "while above the horizon.");
      rows.push_back({caption, inLanguage(kSun, none), {}, id});
    }
  };
  add(f.times.sun, false);
  add(f.times.shadow, true);
  return rows;
}

std::vector<Quantity> Report::outageRows(const SunFigures& f) const {
  const std::string caption = inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Sun outage"));
  std::vector<Quantity> rows{
      {caption,
       withArguments(inLanguage(kSun, QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                        "Beamwidth %1, so the sun disturbs the "
                                                        "dish within %2 of the satellite.")),
                     {degreesText(f.beamwidth, 2), degreesText(f.threshold, 2)}),
       {},
       "sun.threshold"}};
  const char* note =
      !f.outages.sunReachesSatellite
          ? QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                              "The sun never reaches the satellite from this site.")
      : f.outages.windows.empty()
          ? QT_TRANSLATE_NOOP("kestrion::ui::SunDialog", "No sun outage in the days asked for.")
          : QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                              "Sun outages in the days asked for: within each window the sun "
                              "adds its own noise to the dish's, so the picture may break up for "
                              "the window's minutes, every year, and nothing is wrong with the "
                              "installation.");
  rows.push_back({caption, inLanguage(kSun, note), {}, "sun.outageNote"});
  const std::string pattern = inLanguage(
      kSheet, QT_TRANSLATE_NOOP("JobSheet", "%1, %2 to %3, closest at %4: %5 from the satellite"));
  for (const calc::OutageWindow& w : f.outages.windows) {
    const ClockReading start = state_.clock.at(w.start);
    rows.push_back(
        {caption,
         withArguments(pattern, {start.date, start.time, state_.clock.at(w.end).time,
                                 state_.clock.at(w.peak).time, degreesText(w.separation, 2)}),
         {},
         "sun.outage"});
  }
  return rows;
}

std::vector<Quantity> Report::obstacleRows(const SunFigures& f) const {
  if (!f.obstacle) {
    return {};
  }
  const calc::ObstacleView& v = *f.obstacle;
  const auto sun = [this](const char* source) { return inLanguage(kSun, source); };
  const std::string caption = inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Obstacle"));
  std::vector<Quantity> rows{
      {caption,
       withArguments(sun(QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                           "Its top stands %1 above the horizontal.")),
                     {degreesText(v.elevation, 1)}) +
           ' ' +
           withArguments(v.clearance >= 0
                             ? sun(QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                     "The satellite clears it by %1."))
                             : sun(QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                     "It blocks the satellite by %1.")),
                         {degreesText(std::abs(v.clearance), 1)}),
       {},
       "sun.obstacle"}};
  for (const double margin : {0.0, 5.0, 10.0}) {
    const calc::ObstacleView at = calc::obstacleView(
        *state_.sun->obstacleHeight, *state_.sun->obstacleDistance, f.dish->elevation, margin);
    rows.push_back(
        {caption,
         at.distanceNeeded
             ? withArguments(sun(QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                   "To clear it by %1 it must stand at least %2 "
                                                   "away.")),
                             {degreesText(margin, 0), fixedText(*at.distanceNeeded, 1) + " m"})
             : withArguments(sun(QT_TRANSLATE_NOOP("kestrion::ui::SunDialog",
                                                   "No distance clears it by %1: the satellite "
                                                   "stands no higher.")),
                             {degreesText(margin, 0)}),
         {},
         "sun.distanceNeeded"});
  }
  return rows;
}

namespace {

const char* directionWord(calc::Turn turn) {
  switch (turn) {
    case calc::Turn::east:
      return QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "east");
    case calc::Turn::west:
      return QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "west");
    default:
      return QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "on the meridian");
  }
}

}  // namespace

std::vector<Quantity> Report::motorRows() const {
  std::vector<Quantity> rows;
  if (const std::optional<MotorAid>& m = state_.motor) {
    const std::string direction = inLanguage(kMotor, directionWord(m->turn.direction));
    const auto row = [this, &rows](const char* context, const char* caption, std::string value,
                                   const char* id) {
      rows.push_back({inLanguage(context, caption), std::move(value), {}, id});
    };
    row(kMotor, QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "Motor angle"),
        m->turn.direction == calc::Turn::none ? direction
                                              : pageDegrees(m->turn.angle) + ' ' + direction,
        "motor.angle");
    row(kMotor, QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "DiSEqC command"),
        calc::commandText(m->command), "motor.diseqc");
    row(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Motor limit"), pageDegrees(m->limit), "motor.limit");
    row(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Latitude scale"),
        pageDegrees(m->mount.latitudeScale), "polarMount.latitudeScale");
    row(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Declination offset"),
        pageDegrees(m->mount.declinationOffset), "polarMount.declinationOffset");
    row(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Dish elevation on the mount"),
        pageDegrees(m->mount.dishElevation), "polarMount.dishElevation");
    if (m->beyondLimit) {
      row(kPageText, QT_TRANSLATE_NOOP("PageText", "Note"),
          withArguments(inLanguage(kMotor, QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                                                             "The satellite is beyond the motor's "
                                                             "limit of %1: the motor cannot turn "
                                                             "the dish to it.")),
                        {pageDegrees(m->limit)}),
          "motor.warning");
    }
  }
  if (state_.multifeed) {
    for (Quantity& q : multifeedRows(*state_.multifeed)) {
      rows.push_back(std::move(q));
    }
  }
  return rows;
}

std::vector<Quantity> Report::multifeedRows(const MultifeedAid& m) const {
  const calc::Multifeed& f = m.figures;
  const std::string second = m.secondName.empty()
                                 ? eastWestText(m.secondPosition, 1, compassLettersIn(tr_))
                                 : m.secondName;
  const std::string side = inLanguage(
      kMotor, f.side == calc::Side::east ? QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "east")
                                         : QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "west"));
  std::vector<Quantity> rows{
      {inLanguage(kMotor, QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog", "Second satellite")),
       second,
       {},
       "multifeed.satellite"},
      {inLanguage(kSheet, QT_TRANSLATE_NOOP("JobSheet", "Second LNB")),
       withArguments(inLanguage(kMotor, QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                                                          "Separation %1; second LNB %2 mm %3 of "
                                                          "the first, seen from behind the dish; "
                                                          "rail tilt %4; its skew %5")),
                     {pageDegrees(f.separation), std::to_string(std::lround(f.offset * 1000)), side,
                      pageDegrees(f.railTilt), pageDegrees(f.skew)}),
       {},
       "multifeed.figures"}};
  const auto note = [&](const char* source) {
    rows.push_back({inLanguage(kPageText, QT_TRANSLATE_NOOP("PageText", "Note")),
                    inLanguage(kMotor, source),
                    {},
                    "multifeed.warning"});
  };
  if (m.tooClose) {
    note(QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                           "Under 40 mm: two LNB bodies do not fit side by side; use a twin "
                           "(monoblock) LNB."));
  }
  if (m.secondBelowHorizon) {
    note(QT_TRANSLATE_NOOP("kestrion::ui::MotorDialog",
                           "The second satellite is below the horizon here."));
  }
  return rows;
}

}  // namespace kestrion
