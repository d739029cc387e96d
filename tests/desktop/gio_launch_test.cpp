// The real launch through GIO, in a desktop of our own: HOME and the XDG
// folders point into a temporary folder, where a fake browser (a script that
// writes down the address it is given) may be registered for http.
//
// GIO reads those folders once per process, so each desktop is a process of
// its own: the first argument says which one ("with-browser" or
// "without-browser").
#include "desktop/about_window.h"
#include "desktop/desktop_actions.h"
#include "desktop/gio_desktop_service.h"
#include "desktop/main_window_hookup.h"

#include "fake_desktop_service.h"
#include "product.h"
#include "ui/mainwindow.h"
#include "ui/tabcontrol.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace kestrion::desktop;
using kestrion::desktop::testing::MessageBoxCatcher;
using kestrion::ui::MainWindow;

namespace {

constexpr int kCarrierToNoisePage = 5;  // "C/N", where Command2 is

const char* const kDesktopFolders[][2] = {
    {"HOME", "home"},
    {"XDG_DATA_HOME", "data"},
    {"XDG_DATA_DIRS", "system-data"},
    {"XDG_CONFIG_HOME", "config"},
    {"XDG_CONFIG_DIRS", "system-config"},
    {"XDG_RUNTIME_DIR", "runtime"},
};

bool writeFile(const QString& path, const QByteArray& contents,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
         file.setPermissions(permissions);
}

// Points the process at an empty desktop under `root`, with nothing of the
// machine's own applications, settings or session bus in view.
bool makeDesktop(const QString& root) {
  for (const auto& [variable, folder] : kDesktopFolders) {
    const QString path = root + QLatin1Char('/') + QLatin1String(folder);
    if (!QDir().mkpath(path) || !qputenv(variable, QFile::encodeName(path))) {
      return false;
    }
  }
  QFile::setPermissions(root + QStringLiteral("/runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  qunsetenv("DISPLAY");
  qputenv("GIO_USE_VFS", "local");
  return QDir().mkpath(root + QStringLiteral("/data/applications"));
}

// The fake browser writes the address it is given into `opened`, whole or
// not at all.
bool registerBrowser(const QString& root, const QString& opened) {
  const QString script = root + QStringLiteral("/browser.sh");
  const QByteArray body = "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + QFile::encodeName(opened) +
                          ".part' && mv '" + QFile::encodeName(opened) + ".part' '" +
                          QFile::encodeName(opened) + "'\n";
  const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=\"" +
                           QFile::encodeName(script) + "\" %u\nMimeType=x-scheme-handler/http;\n";
  const QByteArray defaults =
      "[Default Applications]\nx-scheme-handler/http=kestrion-test-browser.desktop\n";
  return writeFile(script, body, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
         writeFile(root + QStringLiteral("/data/applications/kestrion-test-browser.desktop"),
                   entry) &&
         writeFile(root + QStringLiteral("/config/mimeapps.list"), defaults);
}

// The program as gui_main puts it together, with the real desktop service.
struct Program {
  GioDesktopService desktop;
  MainWindow window;
  DesktopActions actions{&window, desktop};

  Program() {
    connectMainWindow(window, actions);
    window.show();
    window.findChild<QAction*>(QStringLiteral("Ab"))->trigger();
  }

  // The control as the user reaches it. The main window has a Label2 of its
  // own; the About window's is meant.
  QWidget* control(const QString& name) {
    if (name == QStringLiteral("Command2")) {
      window.tabControl()->setCurrentIndex(kCarrierToNoisePage);
    }
    QWidget* found = actions.aboutWindow()->findChild<QWidget*>(name);
    return found != nullptr ? found : window.findChild<QWidget*>(name);
  }
};

void addClickRows() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("address");
  const QString home = QString::fromUtf8(kestrion::kHomePage.data(), kestrion::kHomePage.size());
  QTest::newRow("Command2") << "Command2" << QString::fromStdString(kestrion::footprintPage());
  QTest::newRow("Label37") << "Label37" << home;
  QTest::newRow("About's Label2") << "Label2" << home;
}

}  // namespace

class WithBrowser : public QObject {
  Q_OBJECT
 public:
  explicit WithBrowser(QString opened) : opened_(std::move(opened)) {}

 private Q_SLOTS:
  void clickOpensTheExactAddress_data() { addClickRows(); }
  void clickOpensTheExactAddress() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFile::remove(opened_);
    Program program;
    QWidget* target = program.control(control);
    QVERIFY(target != nullptr);
    MessageBoxCatcher catcher;

    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(opened_), 10000);
    QFile opened(opened_);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(opened.readAll()), address + QLatin1Char('\n'));
    QVERIFY(catcher.seen().empty());
  }

 private:
  QString opened_;
};

class WithoutBrowser : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void clickTellsThereIsNoBrowser_data() { addClickRows(); }
  void clickTellsThereIsNoBrowser() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    Program program;
    QWidget* target = program.control(control);
    QVERIFY(target != nullptr);
    MessageBoxCatcher catcher;

    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));

    QCOMPARE(catcher.seen().size(), std::size_t{1});
    QCOMPARE(catcher.seen().front().title, QStringLiteral("Browser Unavailable"));
    QCOMPARE(catcher.seen().front().text,
             QStringLiteral("Kestrion3.0 could not find a file association for ") + address +
                 QStringLiteral(" on your system. You should check that your browseris correctly "
                                "installed and associated with this type of file."));
    QCOMPARE(catcher.seen().front().parent, target->window());
  }
};

int main(int argc, char* argv[]) {
  const bool withBrowser = argc > 1 && std::strcmp(argv[1], "with-browser") == 0;
  const bool withoutBrowser = argc > 1 && std::strcmp(argv[1], "without-browser") == 0;
  if (!withBrowser && !withoutBrowser) {
    std::fprintf(stderr, "usage: %s with-browser|without-browser [Qt Test options]\n", argv[0]);
    return 2;
  }
  // The desktop must be in place before anything reads the environment.
  QTemporaryDir root;
  const QString opened = root.path() + QStringLiteral("/opened.txt");
  if (!root.isValid() || !makeDesktop(root.path()) ||
      (withBrowser && !registerBrowser(root.path(), opened))) {
    std::fprintf(stderr, "cannot set up the test desktop in %s\n", qPrintable(root.path()));
    return 2;
  }
  // Qt Test sees the rest of the arguments.
  argv[1] = argv[0];
  int testArgc = argc - 1;
  char** testArgv = argv + 1;
  QApplication app(testArgc, testArgv);
  if (withBrowser) {
    WithBrowser test(opened);
    return QTest::qExec(&test, testArgc, testArgv);
  }
  WithoutBrowser test;
  return QTest::qExec(&test, testArgc, testArgv);
}

#include "gio_launch_test.moc"
