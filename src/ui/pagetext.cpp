#include "pagetext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/dms_text.h"
#include "layout.h"
#include "model/numtext.h"
#include "qtext.h"

namespace kestrion::ui {
namespace {

// The page of the C/N budget, which also reports its rain option.
constexpr int kCarrierToNoisePage = 5;

}  // namespace

Quantity PageText::quantity(const Window& window, Value id) {
  QString caption = translated("Caption", kestrion::caption(id));
  QString unit;
  // Most captions end with their unit in brackets: "Eirp (dBW)".
  if (const qsizetype open = caption.lastIndexOf(QStringLiteral(" ("));
      open > 0 && caption.endsWith(QLatin1Char(')'))) {
    unit = caption.mid(open + 2, caption.size() - open - 3);
    caption = caption.left(open).trimmed();
  } else if (index(id) < kInputCount) {
    unit = toQString(inputSpec(static_cast<Input>(index(id))).unit);
  } else if (id == Value::rainElevation) {
    unit = QStringLiteral("deg");
  }
  // A box the page leaves empty has no unit either.
  const QString value = toQString(window.text(id));
  return {caption, value, value.isEmpty() ? QString() : unit};
}

// The window's translations of these texts serve the sheet too.
QString PageText::declination(const Pointing& p) {
  if (!p.declination) {
    return {};
  }
  const QString degrees = QString::number(std::fabs(*p.declination), 'f', 2);
  return *p.declination < 0
             ? QCoreApplication::translate("kestrion::ui::MainWindow", "%1° W").arg(degrees)
             : QCoreApplication::translate("kestrion::ui::MainWindow", "%1° E").arg(degrees);
}

QString PageText::faceTilt(const Pointing& p) {
  const QString tilt =
      toQString(doubleText(static_cast<double>(std::llabs(p.tiltHundredths)) / 100));
  if (p.tiltHundredths > 0) {
    return QCoreApplication::translate("kestrion::ui::MainWindow", "%1° leans back").arg(tilt);
  }
  if (p.tiltHundredths < 0) {
    return QCoreApplication::translate("kestrion::ui::MainWindow", "%1° leans forward").arg(tilt);
  }
  return QCoreApplication::translate("kestrion::ui::MainWindow", "%1° upright").arg(tilt);
}

Quantity PageText::rainOption(const Window& window) {
  return {tr("Rain"), translated("Caption", caption(window.rain())), {}};
}

std::vector<Quantity> PageText::siteAids(const JobState& state) {
  const Window& w = state.window;
  std::vector<Quantity> rows;
  const auto dms = [&](Value id, AngleKind kind) {
    return toQString(dmsText(w.text(id), kind).value_or(""));
  };
  rows.push_back({tr("Latitude (DMS)"), dms(Value::latitude, AngleKind::Latitude), {}});
  rows.push_back({tr("Longitude (DMS)"), dms(Value::longitude, AngleKind::Longitude), {}});
  if (!state.satelliteName.empty()) {
    rows.push_back({tr("Satellite"), toQString(state.satelliteName), {}});
  }
  return rows;
}

std::vector<Quantity> PageText::pointingAids(const JobState& state) {
  std::vector<Quantity> rows;
  const Pointing& p = state.pointing;
  if (!p.magneticAzimuth.empty()) {
    rows.push_back({tr("Magnetic bearing"), toQString(p.magneticAzimuth), QStringLiteral("deg")});
  }
  if (p.declination) {
    rows.push_back({tr("Magnetic declination"), declination(p), {}});
    rows.push_back(
        {tr("Declination model"),
         tr("%1, %2").arg(QLatin1String(kMagneticModelName), toQString(dateText(state.date))),
         {}});
  }
  rows.push_back(
      {tr("Dish offset angle"), toQString(offsetText(state.offsetTenths)), QStringLiteral("deg")});
  rows.push_back({tr("Face tilt"), faceTilt(p), {}});
  return rows;
}

std::vector<Quantity> PageText::quantities(int page, const JobState& state) {
  std::vector<Value> shown;
  for (const ControlSpec& row : pageControls(page)) {
    if (row.kind == Kind::Text) {
      shown.push_back(row.value());
    }
  }
  // The layout runs row by row across the page; inputs read best first.
  std::stable_partition(shown.begin(), shown.end(), [](Value v) { return index(v) < kInputCount; });
  std::vector<Quantity> rows;
  rows.reserve(shown.size() + 10);
  for (const Value v : shown) {
    rows.push_back(quantity(state.window, v));
  }
  if (page == kAlignmentPage) {
    for (const auto& aids : {siteAids(state), pointingAids(state)}) {
      rows.insert(rows.end(), aids.begin(), aids.end());
    }
  } else if (page == kCarrierToNoisePage) {
    rows.push_back(rainOption(state.window));
  }
  return rows;
}

QString PageText::copyText(int page, const JobState& state) {
  QString text;
  for (const Quantity& q : quantities(page, state)) {
    if (q.value.isEmpty()) {
      continue;
    }
    text += q.caption + QLatin1Char('\t') + q.value;
    if (!q.unit.isEmpty()) {
      text += QLatin1Char(' ') + q.unit;
    }
    text += QLatin1Char('\n');
  }
  return text;
}

}  // namespace kestrion::ui
