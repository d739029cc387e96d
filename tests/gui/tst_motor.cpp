// The motor and multifeed window: the pages as they were until it is set,
// its figures the session's, and each refusal beside its box.
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>

#include "gui_helpers.h"
#include "session/session.h"
#include "ui/motordialog.h"

using namespace gui;
using kestrion::ui::MotorDialog;

namespace {

QLineEdit* edit(const MotorDialog& d, const char* name) {
  return d.findChild<QLineEdit*>(QLatin1String(name));
}

QString shown(const MotorDialog& d, const char* name) {
  return d.findChild<QLabel*>(QLatin1String(name))->text();
}

void typeInto(QLineEdit* line, const QString& text) {
  line->setFocus();
  line->selectAll();
  QTest::keyClicks(line, text);
  QTest::keyClick(line, Qt::Key_Return);
}

// The visible red message labels' texts.
QStringList problems(const MotorDialog& d) {
  QStringList texts;
  for (auto* label : d.findChildren<QLabel*>()) {
    if (label->isVisible() && label->styleSheet().contains(QStringLiteral("#b00000"))) {
      texts << label->text();
    }
  }
  return texts;
}

}  // namespace

class MotorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    showWindow(*window_);
    QString error;
    QVERIFY2(window_->runEvents({"latitude:=45", "longitude:=0", "satellite:=30E"}, &error),
             qPrintable(error));
  }
  void cleanup() { window_.reset(); }

  void figuresAndTheStateUntouchedUntilSet();
  void refusalsBesideTheirBoxes_data();
  void refusalsBesideTheirBoxes();

 private:
  MotorDialog& open() {
    auto* action = window_->findChild<QAction*>(QStringLiteral("motorAction"));
    const auto* menu = window_->findChild<QMenu*>(QStringLiteral("editMenu"));
    if (action == nullptr || !menu->actions().contains(action)) {
      qFatal("no motor action in the Edit menu");
    }
    action->trigger();
    return *window_->motorDialog();
  }
  std::unique_ptr<MainWindow> window_;
};

void MotorTest::figuresAndTheStateUntouchedUntilSet() {
  const auto texts = shownTexts(*window_);
  const std::string before = window_->session().stateJson("x");
  MotorDialog& d = open();
  QCOMPARE(shown(d, "diseqcCommand"), QStringLiteral("E0 31 6E FD EA"));
  QVERIFY(shown(d, "motorTurn").startsWith(QStringLiteral("33.36")));
  QVERIFY(d.findChild<QTableWidget*>(QStringLiteral("visibleSatellites"))->rowCount() > 0);
  QCOMPARE(window_->session().stateJson("x"), before);
  typeInto(edit(d, "motorLimit"), QStringLiteral("30"));
  QCOMPARE(problems(d).size(), 1);  // beyond the limit
  QVERIFY(window_->session().stateJson("x").find("\"motor\":") != std::string::npos);
  QCOMPARE(shownTexts(*window_), texts);
}

void MotorTest::refusalsBesideTheirBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("wrong");
  QTest::newRow("limit") << "motorLimit"
                         << "91"
                         << "1 to 90";
  QTest::newRow("same satellite") << "secondSatellite"
                                  << "30E"
                                  << "main satellite";
  QTest::newRow("unknown") << "secondSatellite"
                           << "Nosat"
                           << "listed satellite";
  QTest::newRow("diameter") << "dishDiameter"
                            << "9"
                            << "from 0.2 to 5.";
  QTest::newRow("focal length") << "focalLength"
                                << "0"
                                << "from 0.1 to 5.";
}

void MotorTest::refusalsBesideTheirBoxes() {
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(QString, wrong);
  MotorDialog& d = open();
  if (box != QLatin1String("secondSatellite")) {
    typeInto(edit(d, "secondSatellite"), QStringLiteral("19.2E"));
    QVERIFY(problems(d).isEmpty());
  }
  typeInto(edit(d, box.toLatin1().constData()), text);
  const QStringList shownProblems = problems(d);
  QCOMPARE(shownProblems.size(), 1);
  QVERIFY2(shownProblems.front().contains(wrong), qPrintable(shownProblems.front()));
}

QTEST_MAIN(MotorTest)
#include "tst_motor.moc"
