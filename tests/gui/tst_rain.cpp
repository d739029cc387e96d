// The rain availability section: the window as it was until it is opened,
// its boxes sending the rain fade's events and showing the report's rows,
// maps that are no maps changing nothing, and its inputs kept for next time.
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "gui_helpers.h"
#include "session/rain_availability.h"
#include "session/rain_fade_json.h"
#include "session/session.h"
#include "ui/jobmenus.h"
#include "ui/jobsheet.h"
#include "ui/rainavailability.h"

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

// A global grid of 5 rows of 9 numbers, all `value`.
QByteArray flatGrid(const QByteArray& value) {
  QByteArray text;
  for (int row = 0; row < 5; ++row) {
    text += (value + ' ').repeated(9) + '\n';
  }
  return text;
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
  void badMapChangesNothing_data();
  void badMapChangesNothing();
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

void RainTest::badMapChangesNothing_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QByteArray>("text");  // empty: no file at all
  QTest::addColumn<QString>("says");
  const auto rate = static_cast<int>(RainFadeField::rainRateMap);
  const auto height = static_cast<int>(RainFadeField::rainHeightMap);
  QTest::newRow("missing") << rate << QByteArray() << QStringLiteral("map.txt: cannot be opened");
  QTest::newRow("short row") << rate << QByteArray("1 2 3\n4 5\n")
                             << QStringLiteral("map.txt line 2: 2 numbers");
  QTest::newRow("negative rate") << rate << QByteArray("1 -2 3\n")
                                 << QStringLiteral("map.txt line 1: -2 is no rain rate");
  QTest::newRow("word") << height << QByteArray("1 2 3\n4 five 6\n")
                        << QStringLiteral("map.txt line 2: \"five\" is not a number");
  QTest::newRow("not global") << height << QByteArray("1 2\n3 4\n")
                              << QStringLiteral("map.txt: 2 rows of 2 numbers are no global map");
}

// A file that is no map: the message names it, the line and why; the inputs,
// the boxes and the kept settings stay as they were. A good map then reads.
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
  auto* problem = d.findChild<QLabel*>(QStringLiteral("rainProblem"));
  QVERIFY(problem->isVisible());
  QVERIFY2(problem->text().contains(says), qPrintable(problem->text()));
  QCOMPARE(rainState(*window_), before);
  QCOMPARE(box(d, "rain-rate")->value(), rate);
  QCOMPARE(box(d, "rain-height")->value(), height);
  QCOMPARE(QSettings().allKeys(), kept);

  const bool forRate = mapField == RainFadeField::rainRateMap;
  const QString good =
      writeMap(dir, QStringLiteral("good.txt"), flatGrid(forRate ? "37.5" : "2.64"));
  QVERIFY(d.chooseMap(mapField, good));
  QVERIFY(!problem->isVisible());
  QCOMPARE(forRate ? box(d, "rain-rate")->value() : box(d, "rain-height")->value(),
           forRate ? 37.5 : 3.0);
  QCOMPARE(
      d.findChild<QLabel*>(QString::fromLatin1(kestrion::rainSectionChoice(mapField).name.data()) +
                           QStringLiteral("-file"))
          ->text(),
      QStringLiteral("good.txt"));
}

// The last event of each group comes back in the next run; a kept map that
// has gone is said so, and its group starts afresh.
void RainTest::keptForNextTime() {
  QTemporaryDir dir;
  const QString map = writeMap(dir, QStringLiteral("R001.TXT"), flatGrid("51"));
  {
    RainAvailabilityDialog& d = open();
    box(d, "frequency")->setValue(19.7);
    QVERIFY(d.chooseMap(RainFadeField::rainRateMap, map));
  }
  window_ = std::make_unique<MainWindow>();
  RainAvailabilityDialog& again = open();
  QCOMPARE(box(again, "frequency")->value(), 19.7);
  QCOMPARE(box(again, "rain-rate")->value(), 51.0);

  QVERIFY(QFile::remove(map));
  window_ = std::make_unique<MainWindow>();
  RainAvailabilityDialog& gone = open();
  auto* problem = gone.findChild<QLabel*>(QStringLiteral("rainProblem"));
  QVERIFY(problem->isVisible());
  QVERIFY2(problem->text().contains(map), qPrintable(problem->text()));
  QCOMPARE(box(gone, "rain-rate")->value(), 42.0);  // the start's zone K
  QCOMPARE(choice(gone, "rain-zone")->currentData().toString(), QStringLiteral("K"));
}

QTEST_MAIN(RainTest)
#include "tst_rain.moc"
