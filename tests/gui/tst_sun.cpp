// The sun's window: the pages as they were when it is opened, its figures
// the session's, and a refused box saying so beside it and changing nothing.
// KESTRION_SHOTS=DIR writes its picture there.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTableWidget>

#include "gui_helpers.h"
#include "ui/language.h"
#include "ui/sundialog.h"

using namespace gui;
using kestrion::ui::SunDialog;

class SunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings().clear();
    window_ = std::make_unique<MainWindow>();
    showWindow(*window_);
    QString error;
    QVERIFY2(
        window_->runEvents({QStringLiteral("latitude:=48.2N"), QStringLiteral("longitude:=16.37E"),
                            QStringLiteral("satellite:=Astra 19.2E")},
                           &error),
        qPrintable(error));
  }
  void cleanup() { window_.reset(); }

  void figuresAndPagesUntouched();
  void refusalsBesideTheBox_data();
  void refusalsBesideTheBox();

 private:
  SunDialog& open() {
    auto* action = window_->findChild<QAction*>(QStringLiteral("sunAction"));
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("editMenu"));
    if (action == nullptr || !menu->actions().contains(action)) {
      qFatal("no sun action in the Edit menu");
    }
    action->trigger();
    return *window_->sunWindow();
  }
  QLineEdit* box(SunDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(QStringLiteral("sun_") + QLatin1String(name));
  }
  std::unique_ptr<MainWindow> window_;
};

void SunTest::figuresAndPagesUntouched() {
  visitAllPages(*window_);
  const auto texts = shownTexts(*window_);
  SunDialog& d = open();
  d.findChild<QDateEdit*>(QStringLiteral("sunDate"))->setDate(QDate(2027, 3, 4));
  box(d, "obstacle-height")->setText(QStringLiteral("6"));
  box(d, "obstacle-distance")->setText(QStringLiteral("9"));
  d.showAll();
  const QString times = d.findChild<QLabel*>(QStringLiteral("sunTimes"))->text();
  QVERIFY2(times.contains(QStringLiteral("face the sun: that is the dish's direction")),
           qPrintable(times));
  auto* table = d.findChild<QTableWidget*>(QStringLiteral("sunOutages"));
  QCOMPARE(table->rowCount(), 8);  // kestrion-cli --sun's transits for the same
  QCOMPARE(table->item(0, 3)->text(), QStringLiteral("0.70\u00b0"));
  const QString obstacle = d.findChild<QLabel*>(QStringLiteral("sunObstacle"))->text();
  QVERIFY2(obstacle.contains(QStringLiteral("The satellite clears it by 0.9\u00b0")),
           qPrintable(obstacle));
  QVERIFY2(obstacle.contains(QStringLiteral("at least 8.7 m away")), qPrintable(obstacle));
  QCOMPARE(shownTexts(*window_), texts);
  if (const QString dir = qEnvironmentVariable("KESTRION_SHOTS"); !dir.isEmpty()) {
    QVERIFY(d.grab().save(dir + QStringLiteral("/sun-window-en.png")));
    QVERIFY(kestrion::ui::installLanguage(*qApp, QStringLiteral("de")));
    QLocale::setDefault(QLocale(QStringLiteral("de")));
    SunDialog german(*window_);
    german.findChild<QDateEdit*>(QStringLiteral("sunDate"))->setDate(QDate(2027, 3, 4));
    german.show();
    QVERIFY(german.grab().save(dir + QStringLiteral("/sun-window-de.png")));
  }
}

void SunTest::refusalsBesideTheBox_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("problemOf");  // the box the message stands beside
  QTest::addColumn<QString>("message");
  QTest::newRow("days") << "days"
                        << "0"
                        << "days"
                        << "Enter a whole number from 1 to 3660.";
  QTest::newRow("diameter") << "diameter"
                            << "6"
                            << "diameter"
                            << "Enter a number from 0.2 to 5.";
  QTest::newRow("frequency") << "frequency"
                             << "Ku"
                             << "frequency"
                             << "Enter a number from 1 to 55.";
  QTest::newRow("height") << "obstacle-height"
                          << "-1"
                          << "obstacle-height"
                          << "Enter a number from 0 to 5000.";
  QTest::newRow("distance alone") << "obstacle-distance"
                                  << "5"
                                  << "obstacle-height"
                                  << "Enter the obstacle's height and its distance.";
}

void SunTest::refusalsBesideTheBox() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QString, problemOf);
  QFETCH(QString, message);
  SunDialog& d = open();
  auto* table = d.findChild<QTableWidget*>(QStringLiteral("sunOutages"));
  const int rows = table->rowCount();
  box(d, name.toLatin1().constData())->setText(text);
  d.showAll();
  QCOMPARE(d.findChild<QLabel*>(QStringLiteral("sunProblem_") + problemOf)->text(), message);
  QCOMPARE(table->rowCount(), rows);
}

QTEST_MAIN(SunTest)
#include "tst_sun.moc"
