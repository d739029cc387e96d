#include "motordialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "mainwindow.h"
#include "model/numtext.h"
#include "qtext.h"
#include "session/motor_json.h"
#include "session/report.h"

namespace kestrion::ui {
namespace {

QString degrees(double value) {
  return toQString(degreesText(value));
}

QString direction(calc::Turn turn) {
  switch (turn) {
    case calc::Turn::east:
      return MotorDialog::tr("east");
    case calc::Turn::west:
      return MotorDialog::tr("west");
    default:
      return MotorDialog::tr("on the meridian");
  }
}

QString turnText(const calc::MotorTurn& turn) {
  return turn.direction == calc::Turn::none
             ? direction(turn.direction)
             : degrees(turn.angle) + QLatin1Char(' ') + direction(turn.direction);
}

QLabel* problemLabel() {
  auto* label = new QLabel;
  label->setStyleSheet(QStringLiteral("color: #b00000"));
  label->setWordWrap(true);
  label->hide();
  return label;
}

void showProblem(QLabel* label, const QString& problem) {
  label->setText(problem);
  label->setVisible(!problem.isEmpty());
}

// A refusal as the user reads it, in the window's language.
QString refusalText(const MultifeedRefusal& refusal) {
  return toQString(refusal.reading
                       ? angleProblemIn(translatedText, *refusal.reading, AngleKind::Satellite)
                       : sentenceIn(translatedText, "kestrion::ui::MotorDialog", refusal.sentence,
                                    refusal.arguments));
}

}  // namespace

MotorDialog::MotorDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("motorDialog"));
  setWindowTitle(tr("Motor and multifeed"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildMotor());
  auto* visibleBox = new QGroupBox(tr("Satellites visible from here"));
  auto* visibleLayout = new QVBoxLayout(visibleBox);
  visible_ = new QTableWidget(0, 6);
  visible_->setObjectName(QStringLiteral("visibleSatellites"));
  visible_->setHorizontalHeaderLabels({tr("Satellite"), tr("Elevation"), tr("Azimuth"), tr("Skew"),
                                       tr("Magnetic bearing"), tr("Motor")});
  visible_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  visible_->verticalHeader()->hide();
  // Each column as wide as its longest name or heading in the language in
  // use; a narrow window scrolls the table rather than cutting them.
  visible_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  visible_->horizontalHeader()->setStretchLastSection(true);
  visibleLayout->addWidget(visible_);
  layout->addWidget(visibleBox, 1);
  layout->addWidget(buildMultifeed());
  resize(720, 640);
  showAll();
}

QWidget* MotorDialog::buildMotor() {
  auto* box = new QGroupBox(tr("Motor (DiSEqC 1.2, USALS) on a polar mount"));
  auto* form = new QFormLayout(box);
  limit_ = new QLineEdit(toQString(doubleText(calc::kDefaultMotorLimit)));
  limit_->setObjectName(QStringLiteral("motorLimit"));
  limit_->setToolTip(tr("How far the motor turns either side of the meridian, 1 to 90 degrees"));
  limitProblem_ = problemLabel();
  auto* limitRow = new QHBoxLayout;
  limitRow->addWidget(limit_);
  limitRow->addWidget(limitProblem_, 1);
  form->addRow(tr("Motor limit (deg)"), limitRow);
  connect(limit_, &QLineEdit::editingFinished, this, &MotorDialog::setLimit);
  turn_ = new QLabel;
  turn_->setObjectName(QStringLiteral("motorTurn"));
  form->addRow(tr("Motor angle"), turn_);
  command_ = new QLabel;
  command_->setObjectName(QStringLiteral("diseqcCommand"));
  command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  command_->setToolTip(
      tr("DiSEqC Goto angular position, after Eutelsat's positioner "
         "application note"));
  form->addRow(tr("DiSEqC command"), command_);
  mount_ = new QLabel;
  mount_->setObjectName(QStringLiteral("polarMount"));
  form->addRow(tr("Polar mount"), mount_);
  motorWarning_ = problemLabel();
  form->addRow(motorWarning_);
  return box;
}

QWidget* MotorDialog::buildMultifeed() {
  auto* box = new QGroupBox(tr("Second LNB (multifeed)"));
  auto* form = new QFormLayout(box);
  const auto edit = [this, form](const char* name, const QString& caption, const QString& text) {
    auto* line = new QLineEdit(text);
    line->setObjectName(QLatin1String(name));
    form->addRow(caption, line);
    connect(line, &QLineEdit::editingFinished, this, &MotorDialog::showMultifeed);
    return line;
  };
  second_ = edit("secondSatellite", tr("Second satellite"), QString());
  second_->setToolTip(tr("By name or position, e.g. Hotbird 13E or 13E"));
  diameter_ = edit("dishDiameter", tr("Dish diameter (m)"), QStringLiteral("0.8"));
  focalLength_ = edit("focalLength", tr("Focal length (m)"), QStringLiteral("0.6"));
  focalLength_->setToolTip(
      tr("For an offset dish, the focal length of the parent paraboloid it is cut from"));
  multifeedProblem_ = problemLabel();
  form->addRow(multifeedProblem_);
  multifeed_ = new QLabel;
  multifeed_->setObjectName(QStringLiteral("multifeedFigures"));
  multifeed_->setWordWrap(true);
  form->addRow(multifeed_);
  return box;
}

void MotorDialog::showAll() {
  showMotor();
  showVisible();
  showMultifeed();
}

void MotorDialog::setLimit() {
  const QString text = limit_->text().trimmed();
  if (window_.session().setMotorLimit(text.toStdString())) {
    const QLocale locale;
    showProblem(limitProblem_,
                QCoreApplication::translate("kestrion::ui::MotorDialog", kMotorLimitRefused)
                    .arg(text, locale.toString(calc::kMinMotorLimit),
                         locale.toString(calc::kMaxMotorLimit)));
    return;
  }
  showProblem(limitProblem_, QString());
  showMotor();
}

void MotorDialog::showMotor() {
  const Session& session = window_.session();
  const MotorAid aid = motorAid(session, {session.motorLimit().value_or(calc::kDefaultMotorLimit)});
  // A limit an event set shows in its box, unless the user is typing there.
  if (session.motorLimit() && !limit_->hasFocus()) {
    limit_->setText(toQString(doubleText(*session.motorLimit())));
  }
  turn_->setText(turnText(aid.turn));
  command_->setText(toQString(calc::commandText(aid.command)));
  mount_->setText(tr("elevation scale %1, declination offset %2, dish elevation %3")
                      .arg(degrees(aid.mount.latitudeScale), degrees(aid.mount.declinationOffset),
                           degrees(aid.mount.dishElevation)));
  showProblem(motorWarning_, aid.beyondLimit
                                 ? tr("The satellite is beyond the motor's limit of %1: the motor "
                                      "cannot turn the dish to it.")
                                       .arg(degrees(aid.limit))
                                 : QString());
}

void MotorDialog::showVisible() {
  const auto visible = visibleSatellites(window_.session());
  visible_->setRowCount(static_cast<int>(visible.size()));
  int row = 0;
  for (const VisibleSatellite& v : visible) {
    const std::array<QString, 6> cells{toQString(v.satellite.name),
                                       degrees(v.look.elevation),
                                       degrees(v.look.azimuth),
                                       degrees(v.look.skew),
                                       v.magneticBearing ? degrees(*v.magneticBearing) : QString(),
                                       turnText(v.motor)};
    int column = 0;
    for (const QString& cell : cells) {
      visible_->setItem(row, column++, new QTableWidgetItem(cell));
    }
    ++row;
  }
}

void MotorDialog::showMultifeed() {
  Session& session = window_.session();
  if (second_->text().trimmed().isEmpty()) {
    session.setMultifeed(std::nullopt);
    showProblem(multifeedProblem_, QString());
    multifeed_->clear();
    return;
  }
  const MultifeedOptions options{second_->text().trimmed().toStdString(),
                                 diameter_->text().trimmed().toStdString(),
                                 focalLength_->text().trimmed().toStdString()};
  const auto aid = multifeedAid(session, options);
  if (const auto* problem = std::get_if<MultifeedRefusal>(&aid)) {
    // The sheet reports only what the window shows.
    session.setMultifeed(std::nullopt);
    showProblem(multifeedProblem_, refusalText(*problem));
    multifeed_->clear();
    return;
  }
  session.setMultifeed(options);
  showProblem(multifeedProblem_, QString());
  const auto& m = std::get<MultifeedAid>(aid);
  const calc::Multifeed& f = m.figures;
  QString text =
      tr("Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail "
         "tilt %4; its skew %5")
          .arg(degrees(f.separation), QString::number(std::lround(f.offset * 1000)),
               f.side == calc::Side::east ? tr("east") : tr("west"), degrees(f.railTilt),
               degrees(f.skew));
  if (m.tooClose) {
    text += QLatin1Char('\n') + tr("Under 40 mm: two LNB bodies do not fit side by side; use a "
                                   "twin (monoblock) LNB.");
  }
  if (m.secondBelowHorizon) {
    text += QLatin1Char('\n') + tr("The second satellite is below the horizon here.");
  }
  multifeed_->setText(text);
}

}  // namespace kestrion::ui
