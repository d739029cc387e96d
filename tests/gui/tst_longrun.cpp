// A long session on the window: 20,000 random slider moves, option clicks,
// tab switches and About windows, by mouse and keyboard. At the end every
// label shows what kestrion-cli computes from the same events, the resident
// memory has not grown and Qt has not warned.
#include <unistd.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>
#include <random>

#include "desktop/desktop_actions.h"
#include "desktop/main_window_hookup.h"
#include "fake_desktop_service.h"
#include "gui_helpers.h"

using namespace gui;
using kestrion::desktop::DesktopActions;
using kestrion::desktop::testing::FakeDesktopService;

#if defined(__SANITIZE_ADDRESS__)
#define KESTRION_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRION_ASAN 1
#endif
#endif

namespace {

#ifdef KESTRION_ASAN
// AddressSanitizer holds freed blocks back and the resident size says nothing
// about leaks; LeakSanitizer looks for them at exit instead.
constexpr bool kResidentSizeTells = false;
#else
constexpr bool kResidentSizeTells = true;
#endif

constexpr int kActions = 20000;
constexpr int kWarmUp = 2000;
constexpr int kCheckpoint = 1000;  // actions between comparisons
constexpr long kAllowedGrowth = 2L * 1024 * 1024;
// Room for the longest event ("HScroll25~-180\n") three times an action.
constexpr std::size_t kEventBytes = std::size_t{kActions} * 3 * 16;
constexpr int kOptionPage = 5;
constexpr std::array kOptionNames{"rainoff", "Option1", "Option2", "Option3"};

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg) {
    warnings << message;
  }
  previousHandler(type, context, message);
}

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// What the window showed after a number of events.
struct Snapshot {
  int events = 0;
  QStringList labels;  // by text, null where there is no label
  std::size_t labelCount = 0;
  QStringList texts;  // what the window's model holds
  QList<int> positions;
  QString option;
};

long residentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) {
    return -1;
  }
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : -1;
}

// Everything Qt put off: repaints, and windows closed with WA_DeleteOnClose.
void settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class LongRunTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { previousHandler = qInstallMessageHandler(recordWarnings); }
  void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
  void randomSession();

 private:
  // One random user action; returns false if it failed to do what it should.
  bool act();
  void moveSlider();
  void dragSlider();
  void clickOption();
  void clickTab(int page);
  void stepTab();
  void aboutCycle();
  QScrollBar* randomSlider();
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  void record(const QScrollBar* bar, int before, char kind);
  void addEvent(const QByteArray& event);
  void takeSnapshot();
  static QString compare(const Snapshot& shown, const QJsonObject& state);

  std::mt19937 rng_{20240611};
  FakeDesktopService desktop_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<DesktopActions> actions_;
  // What kestrion-cli is given, one event a line. Its room is taken and
  // touched before the run so that it does not count as the window's growth.
  std::vector<char> events_ = std::vector<char>(kEventBytes, '\n');
  std::size_t eventBytes_ = 0;
  int eventCount_ = 0;
  std::vector<Snapshot> snapshots_;
  int page_ = 0;  // the page the test expects to be shown
  QString failure_;
};

QScrollBar* LongRunTest::randomSlider() {
  std::vector<QScrollBar*> onPage;
  for (const kestrion::InputSpec& s : kestrion::kInputs) {
    if (s.page == page_) {
      onPage.push_back(slider(*window_, qs(s.name)));
    }
  }
  return onPage[static_cast<std::size_t>(pick(static_cast<int>(onPage.size())))];
}

// A slider the user moved raises Change once; a drag raises Scroll at every
// position it passes. A move that ends where it began raises nothing.
void LongRunTest::record(const QScrollBar* bar, int before, char kind) {
  if (bar->value() != before) {
    addEvent(bar->objectName().toLatin1() + kind + QByteArray::number(bar->value()));
  }
}

void LongRunTest::addEvent(const QByteArray& event) {
  const auto size = static_cast<std::size_t>(event.size());
  if (eventBytes_ + size >= events_.size()) {
    failure_ = QStringLiteral("no room left for the events");
    return;
  }
  std::copy(event.begin(), event.end(), events_.begin() + static_cast<std::ptrdiff_t>(eventBytes_));
  eventBytes_ += size + 1;
  ++eventCount_;
}

void LongRunTest::moveSlider() {
  QScrollBar* bar = randomSlider();
  const int before = bar->value();
  if (pick(3) == 0) {
    clickArrow(bar, pick(2) == 0 ? -1 : 1);
  } else {
    static constexpr std::array kKeys{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                      Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    bar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(bar, kKeys[static_cast<std::size_t>(pick(kKeys.size()))]);
  }
  record(bar, before, '=');
}

void LongRunTest::dragSlider() {
  QScrollBar* bar = randomSlider();
  QPoint at = subControl(bar, QStyle::SC_ScrollBarSlider).center();
  QTest::mousePress(bar, Qt::LeftButton, {}, at);
  if (!bar->isSliderDown()) {
    failure_ = bar->objectName() + QStringLiteral(": the thumb was not caught");
    return;
  }
  for (int steps = 1 + pick(3); steps > 0; --steps) {
    const int before = bar->value();
    at += QPoint(pick(81) - 40, 0);
    QTest::mouseMove(bar, at);
    record(bar, before, '~');
  }
  const int before = bar->value();
  QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
  if (bar->value() != before) {
    failure_ = bar->objectName() + QStringLiteral(": the release moved the thumb");
  }
}

void LongRunTest::clickOption() {
  const char* name = kOptionNames[static_cast<std::size_t>(pick(kOptionNames.size()))];
  auto* option = window_->findChild<QRadioButton*>(QLatin1String(name));
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
  // Clicking the selected option runs its handler all the same.
  addEvent(name);
  if (!option->isChecked()) {
    failure_ = QLatin1String(name) + QStringLiteral(" is not selected after its click");
  }
}

void LongRunTest::clickTab(int page) {
  auto* strip = window_->tabControl()->strip();
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
  page_ = page;
}

void LongRunTest::stepTab() {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != window_.get()) {
    target = window_.get();
  }
  if (pick(2) == 0) {
    QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
    page_ = (page_ + 1) % 6;
  } else {
    QTest::keyClick(target, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    page_ = (page_ + 5) % 6;
  }
}

// "About" from the menu bar, then "Close" (which keeps the window for next
// time) or the close box (which destroys it).
void LongRunTest::aboutCycle() {
  QMenuBar* bar = window_->menuBar();
  QAction* about = window_->findChild<QAction*>(QStringLiteral("Ab"));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
  QWidget* shown = actions_->aboutWindow();
  if (shown == nullptr || !shown->isVisible()) {
    failure_ = QStringLiteral("About did not open the About window");
    return;
  }
  const bool closeBox = pick(2) == 0;
  if (closeBox) {
    shown->close();
  } else {
    QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  }
  settle();
  if (closeBox ? actions_->aboutWindow() != nullptr : shown->isVisible()) {
    failure_ = QStringLiteral("the About window outlived its close");
  }
  QApplication::setActiveWindow(window_.get());
}

bool LongRunTest::act() {
  const int roll = pick(100);
  if (roll < 50) {
    moveSlider();
  } else if (roll < 62) {
    dragSlider();
  } else if (roll < 72) {
    // The options are on one page only; elsewhere the user goes there first.
    if (page_ == kOptionPage) {
      clickOption();
    } else {
      clickTab(kOptionPage);
    }
  } else if (roll < 84) {
    clickTab(pick(6));
  } else if (roll < 96) {
    stepTab();
  } else {
    aboutCycle();
  }
  QCoreApplication::processEvents();
  if (failure_.isEmpty() && window_->tabControl()->currentIndex() != page_) {
    failure_ = QStringLiteral("page %1 shown, %2 expected")
                   .arg(window_->tabControl()->currentIndex())
                   .arg(page_);
  }
  return failure_.isEmpty();
}

void LongRunTest::randomSession() {
  QElapsedTimer clock;
  clock.start();
  window_ = std::make_unique<MainWindow>();
  actions_ = std::make_unique<DesktopActions>(window_.get(), desktop_);
  kestrion::desktop::connectMainWindow(*window_, *actions_);
  showWindow(*window_);

  long warm = 0;
  for (int i = 1; i <= kActions; ++i) {
    QVERIFY2(act(), qPrintable(QStringLiteral("action %1: %2").arg(i).arg(failure_)));
    if (i == kWarmUp) {
      settle();
      warm = residentBytes();
    }
    if (i % kCheckpoint == 0) {
      takeSnapshot();
    }
  }
  // Every page once, so that every label exists to be compared.
  for (int page = 0; page < 6; ++page) {
    clickTab(page);
  }
  settle();
  takeSnapshot();
  const long end = residentBytes();
  const qint64 guiTime = clock.elapsed();

  // The state after the load, then after every event.
  QProcess cli;
  cli.start(QStringLiteral(KESTRION_CLI), {QStringLiteral("--trace"), QStringLiteral("-")});
  QVERIFY(cli.waitForStarted());
  cli.write(events_.data(), static_cast<qint64>(eventBytes_));
  cli.closeWriteChannel();
  QVERIFY(cli.waitForFinished(60000));
  QCOMPARE(cli.exitCode(), 0);
  const QList<QByteArray> trace = cli.readAllStandardOutput().split('\n');
  QCOMPARE(trace.size(), eventCount_ + 2);  // and the empty text after the last line
  for (const Snapshot& shown : snapshots_) {
    const QJsonObject state = QJsonDocument::fromJson(trace[shown.events]).object();
    const QString mismatch = compare(shown, state);
    QVERIFY2(mismatch.isEmpty(),
             qPrintable(QStringLiteral("after %1 events: %2").arg(shown.events).arg(mismatch)));
  }
  QCOMPARE(snapshots_.back().labelCount, kestrion::kValueCount - 2);

  qInfo("%d actions, %d events, GUI %lld ms; resident %ld kB after %d actions, %ld kB at the end",
        kActions, eventCount_, static_cast<long long>(guiTime), warm / 1024, kWarmUp, end / 1024);
  QVERIFY2(!kResidentSizeTells || end - warm < kAllowedGrowth,
           qPrintable(QStringLiteral("resident memory grew by %1 kB").arg((end - warm) / 1024)));

  actions_.reset();
  window_.reset();
  settle();
  QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void LongRunTest::takeSnapshot() {
  Snapshot shown;
  shown.events = eventCount_;
  for (std::size_t i = 0; i < kestrion::kValueCount; ++i) {
    const auto id = static_cast<kestrion::Value>(i);
    // Pages not shown yet and the hidden text boxes have no label.
    auto* label = window_->findChild<QLabel*>(qs(kestrion::name(id)));
    shown.labels << (label != nullptr ? label->text() : QString());
    shown.labelCount += label != nullptr ? 1 : 0;
    shown.texts << QString::fromStdString(window_->model().text(id));
  }
  for (const kestrion::InputSpec& s : kestrion::kInputs) {
    shown.positions << slider(*window_, qs(s.name))->value();
  }
  for (const char* name : kOptionNames) {
    if (auto* option = window_->findChild<QRadioButton*>(QLatin1String(name));
        option != nullptr && option->isChecked()) {
      shown.option = QLatin1String(name);
    }
  }
  snapshots_.push_back(shown);
}

// The first difference between what the window showed and kestrion-cli's
// state, or nothing.
QString LongRunTest::compare(const Snapshot& shown, const QJsonObject& state) {
  const QJsonObject texts = state.value(QStringLiteral("texts")).toObject();
  for (std::size_t i = 0; i < kestrion::kValueCount; ++i) {
    const QString name = qs(kestrion::name(static_cast<kestrion::Value>(i)));
    const QString expected = texts.value(name).toString();
    const QString& label = shown.labels[static_cast<qsizetype>(i)];
    if (!label.isNull() && label != expected) {
      return QStringLiteral("label %1 shows \"%2\", kestrion-cli \"%3\"")
          .arg(name, label, expected);
    }
    if (shown.texts[static_cast<qsizetype>(i)] != expected) {
      return QStringLiteral("text %1 is \"%2\", kestrion-cli \"%3\"")
          .arg(name, shown.texts[static_cast<qsizetype>(i)], expected);
    }
  }
  const QJsonObject positions = state.value(QStringLiteral("sliders")).toObject();
  for (std::size_t i = 0; i < kestrion::kInputCount; ++i) {
    const QString name = qs(kestrion::kInputs[i].name);
    const int expected = positions.value(name).toInt(-1);
    if (shown.positions[static_cast<qsizetype>(i)] != expected) {
      return QStringLiteral("%1 at %2, kestrion-cli %3")
          .arg(name)
          .arg(shown.positions[static_cast<qsizetype>(i)])
          .arg(expected);
    }
  }
  const QString option = state.value(QStringLiteral("option")).toString();
  if (shown.option != option) {
    return QStringLiteral("%1 selected, kestrion-cli %2").arg(shown.option, option);
  }
  return {};
}

QTEST_MAIN(LongRunTest)
#include "tst_longrun.moc"
