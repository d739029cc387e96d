// The About window with the real main window: how it looks, its life from
// "About" to the end of the program, and the web links of both windows.
#include "desktop/about_window.h"
#include "desktop/desktop_actions.h"
#include "desktop/main_window_hookup.h"

#include "fake_desktop_service.h"
#include "product.h"
#include "ui/mainwindow.h"
#include "ui/picture.h"
#include "ui/tabcontrol.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kestrion::desktop;
using kestrion::desktop::testing::FakeDesktopService;
using kestrion::desktop::testing::MessageBoxCatcher;
using kestrion::ui::MainWindow;

namespace {

constexpr int kCarrierToNoisePage = 5;  // "C/N", where Command2 is

// The program as gui_main puts it together, with a fake desktop.
struct Program {
  FakeDesktopService desktop;
  std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
  std::unique_ptr<DesktopActions> actions = std::make_unique<DesktopActions>(window.get(), desktop);

  Program() {
    connectMainWindow(*window, *actions);
    window->show();
  }

  void chooseAbout() const { window->findChild<QAction*>(QStringLiteral("Ab"))->trigger(); }
  AboutWindow* about() const { return actions->aboutWindow(); }
  template <typename T>
  T* about(const char* name) const {
    return about()->findChild<T*>(QString::fromLatin1(name));
  }
};

QList<AboutWindow*> visibleAboutWindows() {
  QList<AboutWindow*> shown;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* about = qobject_cast<AboutWindow*>(widget); about != nullptr && about->isVisible()) {
      shown << about;
    }
  }
  return shown;
}

QList<QWidget*> visibleWindows() {
  QList<QWidget*> shown;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) {
      shown << widget;
    }
  }
  return shown;
}

}  // namespace

class AboutWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void looksAndTexts();
  void oneWindowKeptAndShownAgain();
  void ownCloseBoxDestroysIt();
  void keysClose_data();
  void keysClose();
  void linksOpenTheirPages_data();
  void linksOpenTheirPages();
  void mainWindowStaysUsable();
  void endingTheProgram_data();
  void endingTheProgram();
};

void AboutWindowTest::init() {
  // Nothing left over from the previous test function.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(visibleWindows().isEmpty());
}

void AboutWindowTest::looksAndTexts() {
  AboutWindow about;
  about.show();
  QCOMPARE(about.windowTitle(), QStringLiteral("About Kestrion"));
  QCOMPARE(about.size(), QSize(312, 253));
  QVERIFY(!about.windowIcon().isNull());
  QVERIFY(about.findChild<kestrion::ui::Picture*>(QStringLiteral("Image1"))->isValid());
  QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
           QStringLiteral("Close"));
  QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
           QStringLiteral("Version 3.02"));

  // The notice leads into the link under it and fits its three lines.
  auto* notice = about.findChild<QLabel*>(QStringLiteral("Label1"));
  QVERIFY(notice->text().endsWith(QStringLiteral(" from :")));
  QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());

  // The link shows the whole address that it opens, blue and underlined,
  // starting where designed and clear of the button.
  auto* link = about.findChild<QLabel*>(QStringLiteral("Label2"));
  QCOMPARE(link->text(), QString::fromUtf8(kestrion::kHomePage.data(), kestrion::kHomePage.size()));
  QCOMPARE(link->pos(), QPoint(80, 152));
  QVERIFY(link->width() >= link->sizeHint().width());
  QVERIFY(!link->geometry().intersects(
      about.findChild<QWidget*>(QStringLiteral("Command1"))->geometry()));
  QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  QVERIFY(link->font().underline());
  const QImage drawn = link->grab().toImage();
  bool blueInk = false;
  for (int y = 0; y < drawn.height() && !blueInk; ++y) {
    for (int x = 0; x < drawn.width() && !blueInk; ++x) {
      const QColor ink = drawn.pixelColor(x, y);
      blueInk = ink.blue() > 200 && ink.red() < 80 && ink.green() < 80;
    }
  }
  QVERIFY(blueInk);

  // The button is the one control that takes the keyboard focus.
  QStringList focusable;
  for (QWidget* child : about.findChildren<QWidget*>()) {
    if (child->focusPolicy() != Qt::NoFocus) {
      focusable << child->objectName();
    }
  }
  QCOMPARE(focusable, QStringList{QStringLiteral("Command1")});
}

void AboutWindowTest::oneWindowKeptAndShownAgain() {
  Program program;
  program.chooseAbout();
  program.chooseAbout();
  AboutWindow* first = program.about();
  QCOMPARE(visibleAboutWindows(), QList<AboutWindow*>{first});
  QCOMPARE(first->parentWidget(), program.window.get());

  QTest::mouseClick(program.about<QPushButton>("Command1"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(program.about(), first);
  QVERIFY(visibleAboutWindows().isEmpty());

  program.chooseAbout();
  QCOMPARE(visibleAboutWindows(), QList<AboutWindow*>{first});
}

void AboutWindowTest::ownCloseBoxDestroysIt() {
  Program program;
  program.chooseAbout();
  QPointer<AboutWindow> first = program.about();
  first->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(first.isNull());
  QVERIFY(program.window->isVisible());

  program.chooseAbout();
  QVERIFY(program.about() != nullptr);
  QCOMPARE(visibleAboutWindows(), QList<AboutWindow*>{program.about()});
}

void AboutWindowTest::keysClose_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Escape") << int(Qt::Key_Escape);
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
}

// Escape, or Enter on its button, closes it as Close does: it is kept.
void AboutWindowTest::keysClose() {
  QFETCH(int, key);
  Program program;
  program.chooseAbout();
  AboutWindow* about = program.about();
  QApplication::setActiveWindow(about);
  QVERIFY(QTest::qWaitForWindowActive(about));
  QCOMPARE(QApplication::focusWidget(), program.about<QWidget>("Command1"));
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  QVERIFY(visibleAboutWindows().isEmpty());
  QCOMPARE(program.about(), about);
  QVERIFY(program.window->isVisible());
}

void AboutWindowTest::linksOpenTheirPages_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<bool>("onAbout");
  QTest::addColumn<bool>("fails");
  QTest::addColumn<QString>("address");
  const QString home = QString::fromUtf8(kestrion::kHomePage.data(), kestrion::kHomePage.size());
  const QString footprint = QString::fromStdString(kestrion::footprintPage());
  QTest::newRow("Command2") << "Command2" << false << false << footprint;
  QTest::newRow("Label37") << "Label37" << false << false << home;
  QTest::newRow("About's Label2") << "Label2" << true << false << home;
  QTest::newRow("Command2, failing") << "Command2" << false << true << footprint;
  QTest::newRow("About's Label2, failing") << "Label2" << true << true << home;
}

// Each click opens its page on behalf of its own window; a failure is told
// in front of that window and leaves both windows as they were.
void AboutWindowTest::linksOpenTheirPages() {
  QFETCH(QString, control);
  QFETCH(bool, onAbout);
  QFETCH(bool, fails);
  QFETCH(QString, address);
  Program program;
  program.chooseAbout();
  if (fails) {
    program.desktop.answer = {OpenOutcome::Failed, 2};
  }
  if (control == QStringLiteral("Command2")) {
    program.window->tabControl()->setCurrentIndex(kCarrierToNoisePage);
  }
  QWidget* owner = onAbout ? static_cast<QWidget*>(program.about()) : program.window.get();
  QWidget* target = owner->findChild<QWidget*>(control);
  QVERIFY(target != nullptr);
  MessageBoxCatcher catcher;

  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
  QCoreApplication::processEvents();

  QCOMPARE(program.desktop.requests.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(program.desktop.requests.front().file), address);
  QCOMPARE(program.desktop.requests.front().owner, owner);
  QCOMPARE(catcher.seen().size(), std::size_t{fails ? 1u : 0u});
  if (fails) {
    QCOMPARE(catcher.seen().front().parent, owner);
  }
  QVERIFY(program.window->isVisible());
  QCOMPARE(visibleAboutWindows(), QList<AboutWindow*>{program.about()});
}

void AboutWindowTest::mainWindowStaysUsable() {
  Program program;
  program.chooseAbout();
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  auto* antennaTemperature = program.window->findChild<QScrollBar*>(QStringLiteral("HScroll11"));
  auto* valueLabel = program.window->findChild<QLabel*>(QStringLiteral("tant"));
  auto* systemNoiseFigure = program.window->findChild<QLabel*>(QStringLiteral("totnf"));
  QVERIFY(antennaTemperature && valueLabel && systemNoiseFigure);
  const QString before = systemNoiseFigure->text();

  antennaTemperature->triggerAction(QAbstractSlider::SliderPageStepAdd);
  antennaTemperature->triggerAction(QAbstractSlider::SliderPageStepAdd);

  QCOMPARE(valueLabel->text(), QString::number(antennaTemperature->value()));
  QVERIFY(systemNoiseFigure->text() != before);
  QVERIFY(program.about()->isVisible());
}

void AboutWindowTest::endingTheProgram_data() {
  QTest::addColumn<QString>("about");  // never opened, shown or hidden
  QTest::addColumn<bool>("byQuit");    // else by the main window's close box
  for (const char* about : {"never", "shown", "hidden"}) {
    QTest::addRow("Quit, About %s", about) << about << true;
    QTest::addRow("close box, About %s", about) << about << false;
  }
}

// Either way the event loop ends and no window is left, the About window
// included.
void AboutWindowTest::endingTheProgram() {
  QFETCH(QString, about);
  QFETCH(bool, byQuit);
  Program program;
  if (about != QStringLiteral("never")) {
    program.chooseAbout();
  }
  if (about == QStringLiteral("hidden")) {
    QTest::mouseClick(program.about<QPushButton>("Command1"), Qt::LeftButton);
  }
  QPointer<AboutWindow> aboutWindow = program.about();

  QTimer::singleShot(0, program.window.get(), [&program, byQuit] {
    if (byQuit) {
      QTest::mouseClick(program.window->findChild<QPushButton*>(QStringLiteral("quit")),
                        Qt::LeftButton);
    } else {
      program.window->close();
    }
  });
  // Should the program fail to end, end the loop with a tell-tale code.
  QTimer failsafe;
  failsafe.setSingleShot(true);
  QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  failsafe.start(5000);
  const int code = QCoreApplication::exec();

  QCOMPARE(code, 0);
  QVERIFY(visibleWindows().isEmpty());
  QVERIFY(aboutWindow.isNull());
  QVERIFY(program.about() == nullptr);
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
