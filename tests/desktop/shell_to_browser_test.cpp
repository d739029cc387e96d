// The browser launch as the user sees it: what is asked of the desktop, and
// the message shown when it fails.
#include "desktop/shell_to_browser.h"

#include "fake_desktop_service.h"
#include "product.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

using namespace kestrion::desktop;
using kestrion::desktop::testing::FakeDesktopService;
using kestrion::desktop::testing::MessageBoxCatcher;

Q_DECLARE_METATYPE(kestrion::desktop::OpenOutcome)

class ShellToBrowserTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void asksTheDesktopToOpenTheAddress_data();
  void asksTheDesktopToOpenTheAddress();
  void reportsFailures_data();
  void reportsFailures();
};

void ShellToBrowserTest::asksTheDesktopToOpenTheAddress_data() {
  QTest::addColumn<QString>("address");
  QTest::addColumn<int>("showCommand");
  QTest::newRow("home page") << QString::fromUtf8(kestrion::kHomePage.data(),
                                                  kestrion::kHomePage.size())
                             << 0;
  QTest::newRow("footprint page") << QString::fromStdString(kestrion::footprintPage()) << 0;
  QTest::newRow("show command passed on") << QStringLiteral("http://x.example/") << -3;
}

// A successful launch sends the request unchanged and shows nothing.
void ShellToBrowserTest::asksTheDesktopToOpenTheAddress() {
  QFETCH(QString, address);
  QFETCH(int, showCommand);
  FakeDesktopService desktop;
  QWidget owner;
  MessageBoxCatcher catcher;

  const bool opened = ShellToBrowser(desktop, &owner, address.toStdString(),
                                     static_cast<std::int16_t>(showCommand));
  QCoreApplication::processEvents();

  QVERIFY(opened);
  QVERIFY(catcher.seen().empty());
  QCOMPARE(desktop.requests.size(), std::size_t{1});
  const OpenRequest& request = desktop.requests.front();
  QCOMPARE(request.owner, &owner);
  QCOMPARE(request.verb, std::string("open"));
  QCOMPARE(request.file, address.toStdString());
  QCOMPARE(request.parameters, std::string());
  QCOMPARE(QString::fromLocal8Bit(request.directory), QCoreApplication::applicationDirPath());
  QCOMPARE(request.showCommand, static_cast<std::int16_t>(showCommand));
}

void ShellToBrowserTest::reportsFailures_data() {
  QTest::addColumn<OpenOutcome>("outcome");
  QTest::addColumn<qlonglong>("code");
  QTest::addColumn<QString>("address");
  QTest::addColumn<QString>("message");

  const QString home = QString::fromUtf8(kestrion::kHomePage.data(), kestrion::kHomePage.size());
  const QString footprint = QString::fromStdString(kestrion::footprintPage());
  const QString general = QStringLiteral(
      "Kestrion3.0 had a problem running your web browser."
      "You should check that your browser is correctly installed.(Error");
  QTest::newRow("code 2") << OpenOutcome::Failed << 2LL << home
                          << QStringLiteral(
                                 "Kestrion3.0 had a problem running your web browser.You "
                                 "should check that your browser is correctly "
                                 "installed.(Error2)");
  QTest::newRow("code 0") << OpenOutcome::Failed << 0LL << home << general + QStringLiteral("0)");
  QTest::newRow("code 32") << OpenOutcome::Failed << 32LL << footprint
                           << general + QStringLiteral("32)");
  // Only the outcome decides which message is shown: a general failure whose
  // own code happens to be 31 is still a general failure.
  QTest::newRow("general failure with code 31")
      << OpenOutcome::Failed << 31LL << home << general + QStringLiteral("31)");
  QTest::newRow("no association, footprint page")
      << OpenOutcome::NoAssociation << 31LL << footprint
      << QStringLiteral("Kestrion3.0 could not find a file association for ") + footprint +
             QStringLiteral(
                 " on your system. You should check that your browseris correctly "
                 "installed and associated with this type of file.");
  // The address is shown as text, never as markup.
  QTest::newRow("no association, address with markup")
      << OpenOutcome::NoAssociation << 31LL << QStringLiteral("http://<b>x</b>.example")
      << QStringLiteral(
             "Kestrion3.0 could not find a file association for http://<b>x</b>.example"
             " on your system. You should check that your browseris correctly "
             "installed and associated with this type of file.");
}

void ShellToBrowserTest::reportsFailures() {
  QFETCH(OpenOutcome, outcome);
  QFETCH(qlonglong, code);
  QFETCH(QString, address);
  QFETCH(QString, message);
  FakeDesktopService desktop;
  desktop.answer = {outcome, code};
  QWidget owner;
  owner.show();
  MessageBoxCatcher catcher;

  const bool opened = ShellToBrowser(desktop, &owner, address.toStdString(), 0);

  QVERIFY(!opened);
  QCOMPARE(catcher.seen().size(), std::size_t{1});
  const auto& box = catcher.seen().front();
  QCOMPARE(box.text, message);
  QCOMPARE(box.textFormat, Qt::PlainText);
  QCOMPARE(box.title, QStringLiteral("Browser Unavailable"));
  QCOMPARE(box.icon, QMessageBox::Warning);
  QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(box.buttonCount, 1);
  QVERIFY(box.modal);
  QCOMPARE(box.modality, Qt::ApplicationModal);
  QCOMPARE(box.parent, &owner);
  // Dismissing it leaves nothing behind, and a further click tries again.
  QVERIFY(ShellToBrowser(desktop, &owner, address.toStdString(), 0) == false);
  QCOMPARE(desktop.requests.size(), std::size_t{2});
}

QTEST_MAIN(ShellToBrowserTest)
#include "shell_to_browser_test.moc"
