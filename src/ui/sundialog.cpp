#include "sundialog.h"

#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimeZone>
#include <QVBoxLayout>
#include <cmath>

#include "calc/obstacle.h"
#include "localclock.h"
#include "mainwindow.h"
#include "model/controls.h"
#include "model/numtext.h"
#include "qtext.h"

namespace kestrion::ui {
namespace {

using F = SunField;

QString clock(calc::UtcTime t) {
  return QLocale().toString(localTime(t).time(), QStringLiteral("HH:mm"));
}

QString degrees(double value, int decimals) {
  return QLocale().toString(value, 'f', decimals) + QStringLiteral("\u00b0");
}

QString metres(double value) {
  return QLocale().toString(value, 'f', 1) + QStringLiteral(" m");
}

// The user's numbers, without the thousands' separator a box would refuse.
QLocale numbers() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

// What a box takes, in the user's numbers.
QString allowed(F field) {
  const SunFieldName& f = sunField(field);
  const QLocale locale = numbers();
  if (field == F::days) {
    return SunDialog::tr("Enter a whole number from %1 to %2.")
        .arg(locale.toString(f.low), locale.toString(f.high));
  }
  return (f.lowExcluded ? SunDialog::tr("Enter a number above %1 up to %2.")
                        : SunDialog::tr("Enter a number from %1 to %2."))
      .arg(locale.toString(f.low), locale.toString(f.high));
}

QString sentences(const std::vector<calc::SunAtAzimuth>& found, bool shadow) {
  QStringList lines;
  for (const calc::SunAtAzimuth& s : found) {
    lines << (shadow ? SunDialog::tr("At %1 a plumb line's shadow points the way the dish must "
                                     "face (the sun %2 high).")
                     : SunDialog::tr("At %1 face the sun: that is the dish's direction (the sun "
                                     "%2 high)."))
                 .arg(clock(s.time), degrees(s.elevation, 1));
  }
  if (lines.isEmpty()) {
    lines << (shadow ? SunDialog::tr("No shadow points the dish's way this day: the sun stands "
                                     "opposite the dish only below the horizon, or never.")
                     : SunDialog::tr("The sun does not stand in the dish's direction this day "
                                     "while above the horizon."));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

SunDialog::SunDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("sunDialog"));
  setWindowTitle(tr("The sun: direction, outages and obstacles"));
  auto* form = new QFormLayout;
  date_ = new QDateEdit(this);
  date_->setObjectName(QStringLiteral("sunDate"));
  date_->setCalendarPopup(true);
  date_->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
  const calc::CalendarDate today = window_.date();
  date_->setDate(QDate(today.year, today.month, today.day));
  form->addRow(tr("Date"), date_);
  const double dish = leadingNumber(window_.model().text(Input::dishDiameter)) / 100;
  addField(*form, F::diameter, tr("Dish diameter (m)"), numbers().toString(dish));
  addField(*form, F::frequency, tr("Frequency (GHz)"), numbers().toString(12));
  addField(*form, F::days, tr("Days of outages"), numbers().toString(365));
  addField(*form, F::obstacleHeight, tr("Obstacle's height above the dish (m)"), QString());
  addField(*form, F::obstacleDistance, tr("Obstacle's distance (m)"), QString());
  connect(date_, &QDateEdit::dateChanged, this, &SunDialog::showAll);

  times_ = new QLabel(this);
  outagesHead_ = new QLabel(this);
  obstacle_ = new QLabel(this);
  for (QLabel* label : {times_, outagesHead_, obstacle_}) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  times_->setObjectName(QStringLiteral("sunTimes"));
  outagesHead_->setObjectName(QStringLiteral("sunOutagesHead"));
  obstacle_->setObjectName(QStringLiteral("sunObstacle"));
  outages_ = new QTableWidget(0, 4, this);
  outages_->setObjectName(QStringLiteral("sunOutages"));
  outages_->setHorizontalHeaderLabels({tr("Start"), tr("Peak"), tr("End"), tr("Separation")});
  outages_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  outages_->verticalHeader()->hide();
  outages_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(times_);
  layout->addWidget(outagesHead_);
  layout->addWidget(outages_, 1);
  layout->addWidget(obstacle_);
  layout->addWidget(buttons);
  resize(660, 760);
  showAll();
}

void SunDialog::addField(QFormLayout& form, SunField field, const QString& label,
                         const QString& text) {
  auto* box = new QLineEdit(text, this);
  box->setObjectName(QStringLiteral("sun_") + toQString(sunField(field).name));
  auto* problem = new QLabel(this);
  problem->setObjectName(QStringLiteral("sunProblem_") + toQString(sunField(field).name));
  problem->setStyleSheet(QStringLiteral("color: #a00000"));
  auto* row = new QHBoxLayout;
  row->addWidget(box);
  row->addWidget(problem, 1);
  form.addRow(label, row);
  boxes_[field] = box;
  problems_[field] = problem;
  connect(box, &QLineEdit::editingFinished, this, &SunDialog::showAll);
}

std::optional<SunRequest> SunDialog::request() {
  SunRequest request;
  const QDate date = date_->date();
  request.date = calc::CalendarDate{date.year(), date.month(), date.day()};
  for (const auto& [field, box] : boxes_) {
    const QString text = box->text().trimmed();
    problems_[field]->clear();
    if (text.isEmpty() && (field == F::obstacleHeight || field == F::obstacleDistance)) {
      continue;
    }
    // A decimal comma as the user's language writes it, or a point.
    const QString number = QString(text).replace(QLatin1Char(','), QLatin1Char('.'));
    if (setSunOption(request, field, number.toStdString())) {
      problems_[field]->setText(allowed(field));
    }
  }
  if (request.obstacleHeight.has_value() != request.obstacleDistance.has_value()) {
    const F missing = request.obstacleHeight ? F::obstacleDistance : F::obstacleHeight;
    problems_[missing]->setText(tr("Enter the obstacle's height and its distance."));
    return std::nullopt;
  }
  for (const auto& [field, label] : problems_) {
    if (!label->text().isEmpty()) {
      return std::nullopt;
    }
  }
  return request;
}

void SunDialog::showAll() {
  const std::optional<SunRequest> r = request();
  if (!r) {
    return;
  }
  // From now on the job sheet and Copy have the sun too.
  window_.session().setSun(*r);
  const SunFigures figures = sunFigures(window_.session(), *r);
  showTimes(figures);
  showOutages(figures);
  showObstacle(figures, *r);
}

void SunDialog::showTimes(const SunFigures& figures) {
  if (!figures.dish) {
    times_->setText(
        tr("The satellite is below the horizon: the sun can show no direction to it "
           "and causes no outage."));
    return;
  }
  times_->setText(tr("The dish faces %1 from true north, %2 up. Times in %3.")
                      .arg(degrees(figures.dish->azimuth, 1), degrees(figures.dish->elevation, 1),
                           QDateTime::currentDateTime().timeZoneAbbreviation()) +
                  QLatin1Char('\n') + sentences(figures.times.sun, false) + QLatin1Char('\n') +
                  sentences(figures.times.shadow, true));
}

void SunDialog::showOutages(const SunFigures& figures) {
  QString head = tr("Beamwidth %1, so the sun disturbs the dish within %2 of the satellite.")
                     .arg(degrees(figures.beamwidth, 2), degrees(figures.threshold, 2));
  if (!figures.outages.sunReachesSatellite) {
    head += QLatin1Char('\n') + tr("The sun never reaches the satellite from this site.");
  } else if (figures.outages.windows.empty()) {
    head += QLatin1Char('\n') + tr("No sun outage in the days asked for.");
  } else {
    head += QLatin1Char('\n') +
            tr("Sun outages in the days asked for: within each window the sun adds its "
               "own noise to the dish's, so the picture may break up for the window's minutes, "
               "every year, and nothing is wrong with the installation.");
  }
  outagesHead_->setText(head);
  outages_->setRowCount(static_cast<int>(figures.outages.windows.size()));
  const QLocale locale;
  int row = 0;
  for (const calc::OutageWindow& w : figures.outages.windows) {
    const QStringList cells{
        locale.toString(localTime(w.start).date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(localTime(w.start).time(), QStringLiteral("HH:mm:ss")),
        locale.toString(localTime(w.peak).time(), QStringLiteral("HH:mm:ss")),
        locale.toString(localTime(w.end).time(), QStringLiteral("HH:mm:ss")),
        degrees(w.separation, 2)};
    for (int column = 0; column < cells.size(); ++column) {
      outages_->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    ++row;
  }
}

void SunDialog::showObstacle(const SunFigures& figures, const SunRequest& request) {
  if (!figures.obstacle) {
    obstacle_->setText(
        tr("Enter an obstacle's height and distance to see whether it blocks the satellite."));
    return;
  }
  const calc::ObstacleView& v = *figures.obstacle;
  QString text = tr("Its top stands %1 above the horizontal.").arg(degrees(v.elevation, 1)) +
                 QLatin1Char(' ') +
                 (v.clearance >= 0 ? tr("The satellite clears it by %1.")
                                   : tr("It blocks the satellite by %1."))
                     .arg(degrees(std::abs(v.clearance), 1));
  for (const double margin : {0.0, 5.0, 10.0}) {
    const calc::ObstacleView at = calc::obstacleView(
        *request.obstacleHeight, *request.obstacleDistance, figures.dish->elevation, margin);
    text += QLatin1Char('\n') +
            (at.distanceNeeded ? tr("To clear it by %1 it must stand at least %2 away.")
                                     .arg(degrees(margin, 0), metres(*at.distanceNeeded))
                               : tr("No distance clears it by %1: the satellite stands no higher.")
                                     .arg(degrees(margin, 0)));
  }
  obstacle_->setText(text);
}

}  // namespace kestrion::ui
