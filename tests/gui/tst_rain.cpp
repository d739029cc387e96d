// The rain availability section: the window as it was until it is opened,
// its boxes sending the rain fade's events and showing the report's rows,
// refusals beside their fields changing nothing, a station above the rain
// height warned of, and its inputs kept for next time.
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "gui_helpers.h"
#include "session/rain_fade_availability.h"
#include "session/rain_fade_json.h"
#include "session/session.h"
#include "ui/jobmenus.h"
#include "ui/jobsheet.h"
#include "ui/rainavailabilitydialog.h"

using namespace gui;
using kestrion::RainFadeField;
using kestrion::ui::RainAvailabilityDialog;

namespace {

QString writeMap(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

// A map of the kind's whole grid, all `value`.
QByteArray flatMap(RainFadeField field, const QByteArray& value) {
  const kestrion::calc::RainMapLayout& layout = field == RainFadeField::rainRateMap
                                                    ? kestrion::calc::kRainRateMap
                                                    : kestrion::calc::kIsothermMap;
  const QByteArray row = (value + ' ').repeated(static_cast<int>(layout.columns)) + '\n';
  return row.repeated(static_cast<int>(layout.rows));
}

QLabel* problemBeside(const RainAvailabilityDialog& d, RainFadeField field) {
  return d.findChild<QLabel*>(QString::fromLatin1(kestrion::rainFadeField(field).name.data()) +
                              QStringLiteral("-problem"));
}

// Types into a box and ends the typing as Enter does.
void typeInto(QDoubleSpinBox* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

QDoubleSpinBox* box(const RainAvailabilityDialog& d, const char* name) {
  auto* found = d.findChild<QDoubleSpinBox*>(QLatin1String(name));
  if (found == nullptr) {
    qFatal("no box %s", name);
  }
  return found;
}

QComboBox* choice(const RainAvailabilityDialog& d, const char* name) {
  return d.findChild<QComboBox*>(QLatin1String(name));
}

// The dialog's figures by row id, as shown.
QMap<QString, QString> figures(const RainAvailabilityDialog& d) {
  QMap<QString, QString> shown;
  for (auto* label : d.findChildren<kestrion::ui::TextLabel*>()) {
    shown.insert(label->objectName(), label->text());
  }
  return shown;
}

// The rain fade's state as kestrion-cli would print it for the window.
std::string rainState(const MainWindow& w) {
  return w.rainFade() ? kestrion::rainFadeStateJson(*w.rainFade(), w.model()) : std::string();
}

}  // namespace

class RainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings().clear();
    window_ = std::make_unique<MainWindow>();
    showWindow(*window_);
  }
  void cleanup() { window_.reset(); }

  void untouchedUntilOpened();
  void boxesSendTheEventsAndShowTheRows();
  void enterAppliesTheFigure();
  void outsideTheRangeSaysWhy_data();
  void outsideTheRangeSaysWhy();
  void badMapChangesNothing_data();
  void badMapChangesNothing();
  void wholeMapsRead();
  void stationHeight_data();
  void stationHeight();
  void keptForNextTime();

 private:
  RainAvailabilityDialog& open() {
    window_->openRainAvailability();
    return *window_->rainAvailability();
  }
  std::unique_ptr<MainWindow> window_;
};

// Until opened nothing reports it; opening and changing it leaves the C/N
// page's figures as they were.
void RainTest::untouchedUntilOpened() {
  visitAllPages(*window_);
  QVERIFY(!window_->rainFade());
  QVERIFY(window_->jobState().rainFade == nullptr);
  QCOMPARE(kestrion::ui::JobSheet(window_->jobState()).pageCount(), 1);
  const auto texts = shownTexts(*window_);
  auto* menu = window_->findChild<QMenu*>(QStringLiteral("editMenu"));
  auto* action = window_->findChild<QAction*>(QStringLiteral("rainAvailabilityAction"));
  QVERIFY(menu->actions().contains(action));
  QVERIFY(window_->tabControl()
              ->page(kestrion::layout::kCarrierToNoisePage)
              ->actions()
              .contains(action));
  action->trigger();
  RainAvailabilityDialog& d = *window_->rainAvailability();
  QVERIFY(d.isVisible());
  box(d, "frequency")->setValue(20);
  QCOMPARE(shownTexts(*window_), texts);
  QCOMPARE(kestrion::ui::JobSheet(window_->jobState()).pageCount(), 2);
}

// Each box and choice runs its event; the figures are the report's rows of a
// session given the same events, and follow the C/N page.
void RainTest::boxesSendTheEventsAndShowTheRows() {
  RainAvailabilityDialog& d = open();
  box(d, "frequency")->setValue(14.25);
  Q_EMIT choice(d, "polarization")->activated(1);
  Q_EMIT choice(d, "rain-zone")->activated(choice(d, "rain-zone")->findData(QStringLiteral("H")));
  box(d, "station-height")->setValue(0.25);
  Q_EMIT choice(d, "modcod")->activated(choice(d, "modcod")->findData(QStringLiteral("QPSK 3/4")));
  box(d, "target")->setValue(99.95);
  showPage(*window_, kestrion::layout::kCarrierToNoisePage);
  clickArrow(slider(*window_, QStringLiteral("HScroll21")), -5);

  kestrion::Session session({2026, 1, 1}, 0);
  QCOMPARE(session.load().status, kestrion::RunStatus::ran);
  for (const std::string_view event : kestrion::rainSectionStart()) {
    session.run(event);
  }
  for (const char* event :
       {"frequency:=14.25", "tilt:=vertical", "rain-zone:=H", "station-height:=0.25",
        "required-cn:=QPSK 3/4", "target:=99.95", "HScroll21=145"}) {
    QCOMPARE(session.run(event).status, kestrion::RunStatus::ran);
  }
  QCOMPARE(rainState(*window_),
           kestrion::rainFadeStateJson(*session.rainFade(), session.calculator().window()));
  kestrion::ReportState state{
      session.calculator().window(), session.pointing(), {2026, 1, 1}, 0, {}, {},
      &*session.rainFade()};
  const kestrion::Report report(state, &kestrion::untranslated);
  const auto shown = figures(d);
  const auto rows = report.rainFadeResults();
  QCOMPARE(shown.size(), qsizetype(rows.size()));
  for (const kestrion::Quantity& q : rows) {
    QCOMPARE(shown.value(QString::fromStdString(q.id)),
             QString::fromStdString(q.unit.empty() ? q.value : q.value + ' ' + q.unit));
  }
  QCOMPARE(box(d, "rain-rate")->value(), 32.0);  // zone H's
  QVERIFY(!box(d, "tilt")->isEnabled());
}

// Enter ends the typing in every box: no button is pressed (a map's Choose
// would open its file dialog, Close would shut the window).
void RainTest::enterAppliesTheFigure() {
  RainAvailabilityDialog& d = open();
  d.show();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  std::vector<std::unique_ptr<QSignalSpy>> pressed;
  for (auto* button : d.findChildren<QPushButton*>()) {
    pressed.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
  }
  // Were a file dialog opened, the test goes on rather than waits for it.
  QTimer closer;
  connect(&closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    }
  });
  closer.start(50);
  typeInto(box(d, "frequency"), QStringLiteral("19.7"));
  typeInto(box(d, "target"), QStringLiteral("99.5"));
  QCOMPARE(window_->rainFade()->frequency, 19.7);
  QCOMPARE(window_->rainFade()->targetAvailability, 99.5);
  QVERIFY(d.isVisible());
  for (const auto& spy : pressed) {
    QCOMPARE(spy->count(), 0);
  }
}

void RainTest::outsideTheRangeSaysWhy_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("leave");  // the typing ends by leaving the box, not Enter
  QTest::addColumn<QString>("problem");
  QTest::newRow("target 100") << "target"
                              << "100" << false << "100 is outside 95 to 99.999 %; 99.900 kept";
  QTest::newRow("target 90, left") << "target"
                                   << "90" << true << "90 is outside 95 to 99.999 %; 99.900 kept";
  QTest::newRow("99 GHz") << "frequency"
                          << "99" << false << "99 is outside 1 to 55 GHz; 12.00 kept";
}

// A number beyond the box's range keeps the value in force and says why
// beside the box, whether Enter or leaving ends the typing.
void RainTest::outsideTheRangeSaysWhy() {
  QFETCH(QString, name);
  QFETCH(QString, typed);
  QFETCH(bool, leave);
  QFETCH(QString, problem);
  RainAvailabilityDialog& d = open();
  d.show();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QDoubleSpinBox* typedInto = box(d, qPrintable(name));
  const double before = typedInto->value();
  const std::string state = rainState(*window_);
  typedInto->setFocus();
  typedInto->selectAll();
  QTest::keyClicks(typedInto, typed);
  if (leave) {
    box(d, "station-height")->setFocus();
  } else {
    QTest::keyClick(typedInto, Qt::Key_Return);
  }
  QCOMPARE(typedInto->value(), before);
  QCOMPARE(rainState(*window_), state);
  const auto field = kestrion::rainFadeFieldNamed(name.toStdString());
  QLabel* beside = problemBeside(d, *field);
  QVERIFY(beside->isVisible());
  QCOMPARE(beside->text(), problem);
}

void RainTest::badMapChangesNothing_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QByteArray>("text");  // empty: no file at all
  QTest::addColumn<QString>("says");
  const auto rate = static_cast<int>(RainFadeField::rainRateMap);
  const auto height = static_cast<int>(RainFadeField::rainHeightMap);
  QTest::newRow("missing") << rate << QByteArray() << QStringLiteral("map.txt: cannot be opened");
  QTest::newRow("short row") << rate << QByteArray("1 2 3\n4 5\n")
                             << QStringLiteral("map.txt line 2: 2 values, but 3 on the rows above");
  QTest::newRow("word") << height << QByteArray("1 2 3\n4 five 6\n")
                        << QStringLiteral("map.txt line 2: \"five\" is not a number");
  QTest::newRow("small grid") << rate << QByteArray("1 2 3\n4 5 6\n")
                              << QStringLiteral(
                                     "map.txt: 2 rows of 3 values; allowed: the "
                                     "ITU-R P.837-7 map R001.TXT, 1441 rows of 2881");
}

// A file that is no map: the message beside its Choose button names it, the
// line and why; the inputs, the boxes and the kept settings stay as they were.
void RainTest::badMapChangesNothing() {
  QFETCH(int, field);
  QFETCH(QByteArray, text);
  QFETCH(QString, says);
  const auto mapField = static_cast<RainFadeField>(field);
  QTemporaryDir dir;
  const QString bad = text.isEmpty() ? dir.filePath(QStringLiteral("map.txt"))
                                     : writeMap(dir, QStringLiteral("map.txt"), text);
  RainAvailabilityDialog& d = open();
  const std::string before = rainState(*window_);
  const double rate = box(d, "rain-rate")->value();
  const double height = box(d, "rain-height")->value();
  const QStringList kept = QSettings().allKeys();
  QVERIFY(!d.chooseMap(mapField, bad));
  QLabel* problem = problemBeside(d, mapField);
  QVERIFY(problem->isVisible());
  QVERIFY2(problem->text().startsWith(dir.filePath(QStringLiteral("map.txt"))) &&
               problem->text().contains(says),
           qPrintable(problem->text()));
  QVERIFY(!d.findChild<QLabel*>(QStringLiteral("rainProblem"))->isVisible());
  QCOMPARE(rainState(*window_), before);
  QCOMPARE(box(d, "rain-rate")->value(), rate);
  QCOMPARE(box(d, "rain-height")->value(), height);
  QCOMPARE(QSettings().allKeys(), kept);
}

// Whole maps read at the site, and take the refusal's place.
void RainTest::wholeMapsRead() {
  QTemporaryDir dir;
  RainAvailabilityDialog& d = open();
  for (const RainFadeField field : {RainFadeField::rainRateMap, RainFadeField::rainHeightMap}) {
    const bool forRate = field == RainFadeField::rainRateMap;
    QVERIFY(!d.chooseMap(field, writeMap(dir, QStringLiteral("bad.txt"), "1 2\n")));
    const QString good =
        writeMap(dir, QStringLiteral("good.txt"), flatMap(field, forRate ? "37.5" : "2.64"));
    QVERIFY(d.chooseMap(field, good));
    QVERIFY(!problemBeside(d, field)->isVisible());
    QCOMPARE(forRate ? box(d, "rain-rate")->value() : box(d, "rain-height")->value(),
             forRate ? 37.5 : 3.0);
    QCOMPARE(
        d.findChild<QLabel*>(QString::fromLatin1(kestrion::rainSectionChoice(field).name.data()) +
                             QStringLiteral("-file"))
            ->text(),
        QStringLiteral("good.txt"));
  }
}

void RainTest::stationHeight_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<double>("shown");  // what the box shows then
  QTest::addColumn<QString>("problem");
  QTest::addColumn<bool>("warned");  // the rain height is the start's 3 km
  QTest::newRow("km") << QStringLiteral("0.65") << 0.65 << QString() << false;
  QTest::newRow("metres") << QStringLiteral("650") << 0.0
                          << QStringLiteral("the station height is in km (650 m is 0.65)") << false;
  QTest::newRow("below sea level in metres")
      << QStringLiteral("-430") << 0.0
      << QStringLiteral("the station height is in km (-430 m is -0.43)") << false;
  QTest::newRow("above the rain") << QStringLiteral("6") << 6.0 << QString() << true;
  QTest::newRow("at the rain") << QStringLiteral("3") << 3.0 << QString() << true;
}

// A height in metres is refused beside the box, which keeps the one in
// force; a station at or above the rain height is warned of above the figures.
void RainTest::stationHeight() {
  QFETCH(QString, typed);
  QFETCH(double, shown);
  QFETCH(QString, problem);
  QFETCH(bool, warned);
  RainAvailabilityDialog& d = open();
  QDoubleSpinBox* height = box(d, "station-height");
  typeInto(height, typed);
  QCOMPARE(height->value(), shown);
  QCOMPARE(window_->rainFade()->stationHeight, shown);
  QLabel* beside = problemBeside(d, RainFadeField::stationHeight);
  QCOMPARE(beside->isVisible(), !problem.isEmpty());
  if (!problem.isEmpty()) {
    QCOMPARE(beside->text(), problem);
  }
  auto* warning = d.findChild<QLabel*>(QStringLiteral("rainWarnings"));
  QCOMPARE(warning->isVisible(), warned);
  QCOMPARE(
      figures(d).value(QStringLiteral("rainFade.attenuation:0.01")) == QStringLiteral("0.00 dB"),
      warned);
  // The arrows stop at the range in km.
  height->setValue(9);
  height->stepUp();
  QCOMPARE(height->value(), 9.0);
  QVERIFY(!beside->isVisible());
}

// The last event of each group comes back in the next run; a kept map that
// has gone is said so, and its group starts afresh.
void RainTest::keptForNextTime() {
  QTemporaryDir dir;
  const QString map =
      writeMap(dir, QStringLiteral("h0.txt"), flatMap(RainFadeField::rainHeightMap, "4.14"));
  {
    RainAvailabilityDialog& d = open();
    box(d, "frequency")->setValue(19.7);
    QVERIFY(d.chooseMap(RainFadeField::rainHeightMap, map));
  }
  window_ = std::make_unique<MainWindow>();
  RainAvailabilityDialog& again = open();
  QCOMPARE(box(again, "frequency")->value(), 19.7);
  QCOMPARE(box(again, "rain-height")->value(), 4.5);

  QVERIFY(QFile::remove(map));
  window_ = std::make_unique<MainWindow>();
  RainAvailabilityDialog& gone = open();
  auto* problem = gone.findChild<QLabel*>(QStringLiteral("rainProblem"));
  QVERIFY(problem->isVisible());
  QVERIFY2(problem->text().contains(map), qPrintable(problem->text()));
  QCOMPARE(box(gone, "rain-height")->value(), 3.0);  // the start's
}

QTEST_MAIN(RainTest)
#include "tst_rain.moc"
