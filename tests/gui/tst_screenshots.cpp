// kestrion --screenshot DIR: one picture per page, of the whole window.
#include <QCryptographicHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "gui_helpers.h"

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void pages_data();
  void pages();
  void scaled();
  void version();

 private:
  QTemporaryDir dir_;
  QSize windowSize_;
};

namespace {

bool run(const QString& dir, const QStringList& extraEnv = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const QString& kv : extraEnv) {
    env.insert(kv.section('=', 0, 0), kv.section('=', 1));
  }
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(KESTRION_EXE), {QStringLiteral("--screenshot"), dir});
  return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

void ScreenshotTest::initTestCase() {
  QVERIFY(dir_.isValid());
  QVERIFY(run(dir_.path()));
  gui::MainWindow window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  windowSize_ = window.size();
}

void ScreenshotTest::pages_data() {
  QTest::addColumn<int>("page");
  for (int page = 0; page < 6; ++page) {
    QTest::addRow("page-%d", page) << page;
  }
}

void ScreenshotTest::pages() {
  QFETCH(int, page);
  const QImage image(dir_.filePath(QStringLiteral("page-%1.png").arg(page)));
  QVERIFY(!image.isNull());
  QCOMPARE(image.size(), windowSize_);
  // A real picture has text, bevels and artwork: many colours, not a fill.
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) {
      colours.insert(image.pixel(x, y));
    }
  }
  QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
  // Each page shows something of its own.
  if (page > 0) {
    const QImage previous(dir_.filePath(QStringLiteral("page-%1.png").arg(page - 1)));
    QVERIFY(image != previous);
  }
}

void ScreenshotTest::scaled() {
  QTemporaryDir dir;
  QVERIFY(run(dir.path(), {QStringLiteral("QT_SCALE_FACTOR=2")}));
  const QImage image(dir.filePath(QStringLiteral("page-4.png")));
  QCOMPARE(image.size(), windowSize_ * 2);
}

void ScreenshotTest::version() {
  QProcess p;
  p.start(QStringLiteral(KESTRION_EXE), {QStringLiteral("--version")});
  QVERIFY(p.waitForFinished(30000));
  QCOMPARE(p.exitCode(), 0);
  QCOMPARE(p.readAllStandardOutput(), QByteArray("kestrion 3.0.2\n"));
}

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshots.moc"
