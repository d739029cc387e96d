// The window driven as a user drives it: mouse and keyboard on real widgets.
#include <QAbstractItemView>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "engine/satellites.h"
#include "gui_helpers.h"
#include "ui/pointerlayer.h"
#include "ui/twips.h"

using namespace gui;
using kestrion::Pointer;

namespace {

// What a change of one slider may touch outside its own page: the alignment
// hands the distance and the C/N result to the C/N page.
const QStringList kCarriedOver{"rsat", "cnres"};

QMap<QString, QString> onPage(const MainWindow& w, const QMap<QString, QString>& texts, int page,
                              bool same) {
  QMap<QString, QString> out;
  for (auto it = texts.begin(); it != texts.end(); ++it) {
    if ((pageOf(w, control(w, it.key())) == page) == same) {
      out.insert(it.key(), it.value());
    }
  }
  return out;
}

QString focusName(const MainWindow& w) {
  QWidget* f = QApplication::focusWidget();
  if (f == nullptr) {
    return QStringLiteral("<none>");
  }
  return f == w.tabControl()->strip() ? QStringLiteral("SSTab1") : f->objectName();
}

// A pixel of the pointer layer three quarters along a line, where no other
// line crosses.
QColor pointerPixel(const MainWindow& w, Pointer id) {
  auto* layer = w.findChild<kestrion::ui::PointerLayer*>();
  const QImage image = layer->grab().toImage();
  const kestrion::Line& l = w.model().line(id);
  const QPointF p =
      kestrion::ui::toPixels(l.x1 + 0.75 * (l.x2 - l.x1), l.y1 + 0.75 * (l.y2 - l.y1));
  const double dpr = image.devicePixelRatio();
  return image.pixelColor((p * dpr).toPoint());
}

}  // namespace

class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    showWindow(*window_);
    visitAllPages(*window_);
  }
  void cleanup() { window_.reset(); }

  void arrowClick_data();
  void arrowClick();
  void dragEqualsClicks_data();
  void dragEqualsClicks();
  void keys_data();
  void keys();
  void options_data();
  void options();
  void pointersAfterStartUp();
  void pointersFollowSliders_data();
  void pointersFollowSliders();
  void tabsByMouse();
  void tabsByKeyboard_data();
  void tabsByKeyboard();
  void focusOrder_data();
  void focusOrder();
  void buttonsSignal();
  void typedSite();
  void leavingEntersTheText_data();
  void offsetOutsideItsRange();
  void leavingEntersTheText();
  void satelliteByName();
  void typedNameBeforeTheList();
  void menusByKeyboard();
  void focusIndicator_data();
  void focusIndicator();

 private:
  std::unique_ptr<MainWindow> window_;
};

void InputTest::arrowClick_data() {
  QTest::addColumn<QString>("slider");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("shown");   // the value label after one step right
  QTest::addColumn<QString>("result");  // a result that must move with it, if any
  // clang-format off
  const char* rows[][4] = {
      {"HScroll1", "lnbnf", "1.1", "totnf"},      {"HScroll2", "lnbgain", "46", ""},
      {"HScroll3", "cableloss", "11", ""},        {"HScroll4", "ifnf", "11", ""},
      {"HScroll5", "nf", "1.1", "nt"},            {"HScroll6", "nt", "76", ""},
      {"HScroll7", "feedloss", "0.1", "totnf"},   {"HScroll8", "diameter1", "1.1", "Gain"},
      {"HScroll9", "eff", "61", "Gain"},          {"HScroll10", "frekvens", "12.1", "Gain"},
      {"HScroll11", "tant", "1", ""},             {"HScroll12", "cableloss2", "11", ""},
      {"HScroll13", "recnf", "11", ""},           {"HScroll14", "ifgain", "16", ""},
      {"HScroll15", "snf", "1.1", "GT"},          {"HScroll16", "again", "50.1", "GT"},
      {"HScroll17", "Latitud", "61", "el"},       {"HScroll18", "longitud", "16", "az"},
      {"HScroll19", "satposition", "1", "az"},    {"HScroll20", "eirp", "41", "cnres"},
      {"HScroll21", "diam", "151", "cnres"},      {"HScroll22", "efficiency", "61", ""},
      {"HScroll23", "ta", "31", ""},              {"HScroll24", "nflnb", "1.1", ""},
      {"HScroll25", "bw", "31", ""},
  };
  // clang-format on
  for (const auto& r : rows) {
    QTest::newRow(r[0]) << r[0] << r[1] << r[2] << r[3];
  }
}

void InputTest::arrowClick() {
  QFETCH(QString, slider);
  QFETCH(QString, label);
  QFETCH(QString, shown);
  QFETCH(QString, result);
  QScrollBar* bar = gui::slider(*window_, slider);
  const int page = pageOf(*window_, bar);
  showPage(*window_, page);
  const auto before = shownTexts(*window_);

  clickArrow(bar, 1);

  const auto after = shownTexts(*window_);
  QCOMPARE(after.value(label), shown);
  if (!result.isEmpty()) {
    QVERIFY2(after.value(result) != before.value(result), qPrintable(result));
  }
  // Every label shows what the model holds now.
  for (auto it = after.begin(); it != after.end(); ++it) {
    QCOMPARE(it.value(), QString::fromStdString(
                             window_->model().text(*kestrion::valueNamed(it.key().toStdString()))));
  }
  // Nothing on the other pages moved, but for what the alignment hands on.
  auto othersBefore = onPage(*window_, before, page, false);
  auto othersAfter = onPage(*window_, after, page, false);
  if (page == 4) {
    for (const QString& name : kCarriedOver) {
      othersBefore.remove(name);
      othersAfter.remove(name);
    }
  }
  QCOMPARE(othersAfter, othersBefore);
}

void InputTest::dragEqualsClicks_data() {
  QTest::addColumn<QString>("slider");
  QTest::addColumn<int>("pixels");
  QTest::newRow("HScroll17 right") << "HScroll17" << 9;
  QTest::newRow("HScroll18 left") << "HScroll18" << -7;
  QTest::newRow("HScroll1 right") << "HScroll1" << 12;
  QTest::newRow("HScroll24 left") << "HScroll24" << -5;
}

void InputTest::dragEqualsClicks() {
  QFETCH(QString, slider);
  QFETCH(int, pixels);
  QScrollBar* dragged = gui::slider(*window_, slider);
  showPage(*window_, pageOf(*window_, dragged));
  const int start = dragged->value();
  const QPoint from = subControl(dragged, QStyle::SC_ScrollBarSlider).center();
  const QPoint to = from + QPoint(pixels, 0);
  QTest::mousePress(dragged, Qt::LeftButton, {}, from);
  QVERIFY(dragged->isSliderDown());
  QTest::mouseMove(dragged, to);
  QTest::mouseRelease(dragged, Qt::LeftButton, {}, to);
  const int reached = dragged->value();
  QVERIFY2(reached != start, "the drag moved nothing");

  MainWindow other;
  showWindow(other);
  visitAllPages(other);
  QScrollBar* clicked = gui::slider(other, slider);
  showPage(other, pageOf(other, clicked));
  clickArrow(clicked, reached - start);
  QCOMPARE(clicked->value(), reached);

  QCOMPARE(shownTexts(other), shownTexts(*window_));
  for (std::size_t i = 0; i < kestrion::kValueCount; ++i) {
    const auto id = static_cast<kestrion::Value>(i);
    QCOMPARE(other.model().text(id), window_->model().text(id));
  }
}

void InputTest::keys_data() {
  QTest::addColumn<QString>("slider");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("shown");
  QTest::newRow("HScroll17 Home") << "HScroll17" << int(Qt::Key_Home) << "Latitud"
                                  << "-90";
  QTest::newRow("HScroll17 End") << "HScroll17" << int(Qt::Key_End) << "Latitud"
                                 << "90";
  QTest::newRow("HScroll18 Left") << "HScroll18" << int(Qt::Key_Left) << "longitud"
                                  << "14";
  QTest::newRow("HScroll19 Home") << "HScroll19" << int(Qt::Key_Home) << "satposition"
                                  << "-180";
  QTest::newRow("HScroll13 Home") << "HScroll13" << int(Qt::Key_Home) << "recnf"
                                  << "1";
  QTest::newRow("HScroll1 PageUp") << "HScroll1" << int(Qt::Key_PageUp) << "lnbnf"
                                   << "1.1";
  QTest::newRow("HScroll1 PageDown") << "HScroll1" << int(Qt::Key_PageDown) << "lnbnf"
                                     << "0.9";
  QTest::newRow("HScroll10 End") << "HScroll10" << int(Qt::Key_End) << "frekvens"
                                 << "30";
  QTest::newRow("HScroll16 Right") << "HScroll16" << int(Qt::Key_Right) << "again"
                                   << "50.1";
  QTest::newRow("HScroll25 Home") << "HScroll25" << int(Qt::Key_Home) << "bw"
                                  << "1";
}

void InputTest::keys() {
  QFETCH(QString, slider);
  QFETCH(int, key);
  QFETCH(QString, label);
  QFETCH(QString, shown);
  QScrollBar* bar = gui::slider(*window_, slider);
  showPage(*window_, pageOf(*window_, bar));
  bar->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bar, Qt::Key(key));
  QCOMPARE(labelText(*window_, label), shown);
  // A second press at the end of the range changes nothing.
  if (key == Qt::Key_Home || key == Qt::Key_End) {
    const auto before = shownTexts(*window_);
    QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(shownTexts(*window_), before);
  }
}

void InputTest::options_data() {
  QTest::addColumn<QStringList>("clicks");
  QTest::addColumn<bool>("rain");  // the C/N differs from the clear-sky one
  QTest::newRow("Rain 5") << QStringList{"Option1"} << true;
  QTest::newRow("Rain 10") << QStringList{"Option2"} << true;
  QTest::newRow("Rain 50") << QStringList{"Option3"} << true;
  QTest::newRow("Clear sky again") << QStringList{"Option3", "rainoff"} << false;
  QTest::newRow("Rain 5 then 50") << QStringList{"Option1", "Option3"} << true;
}

void InputTest::options() {
  QFETCH(QStringList, clicks);
  QFETCH(bool, rain);
  showPage(*window_, 5);
  const QString clearSky = labelText(*window_, "cnres");
  for (const QString& name : clicks) {
    auto* option = window_->findChild<QRadioButton*>(name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
  }
  for (const char* name : {"rainoff", "Option1", "Option2", "Option3"}) {
    QCOMPARE(window_->findChild<QRadioButton*>(name)->isChecked(), clicks.last() == name);
  }
  QCOMPARE(labelText(*window_, "cnres") != clearSky, rain);
  // "Rain 5 mm/h" brings the elevation over; the labels show what the model holds.
  if (clicks.contains("Option1")) {
    QCOMPARE(labelText(*window_, "cnel"), labelText(*window_, "el"));
  }
  for (const char* name : {"cnel", "cnres"}) {
    QCOMPARE(labelText(*window_, name),
             QString::fromStdString(window_->model().text(*kestrion::valueNamed(name))));
  }
}

void InputTest::pointersAfterStartUp() {
  const kestrion::Line& l7 = window_->model().line(Pointer::azimuth);
  QVERIFY(std::abs(l7.x2 - 1713) < 1 && std::abs(l7.y2 - 4989) < 1);
  showPage(*window_, 4);
  const QColor background =
      window_->findChild<kestrion::ui::PointerLayer*>()->palette().color(QPalette::Window);
  QCOMPARE(pointerPixel(*window_, Pointer::skew), QColor(255, 0, 0));
  QVERIFY(pointerPixel(*window_, Pointer::azimuth) != background);
  QVERIFY(pointerPixel(*window_, Pointer::elevation) != background);
}

void InputTest::pointersFollowSliders_data() {
  QTest::addColumn<QString>("slider");
  QTest::addColumn<int>("key");
  QTest::newRow("latitude south") << "HScroll17" << int(Qt::Key_Home);
  QTest::newRow("longitude west") << "HScroll18" << int(Qt::Key_Home);
  QTest::newRow("satellite east") << "HScroll19" << int(Qt::Key_End);
}

void InputTest::pointersFollowSliders() {
  QFETCH(QString, slider);
  QFETCH(int, key);
  showPage(*window_, 4);
  auto* layer = window_->findChild<kestrion::ui::PointerLayer*>();
  const QColor background = layer->palette().color(QPalette::Window);
  const QImage before = layer->grab().toImage();
  const auto startEnds = [&] {
    std::array<QPointF, 3> ends;
    for (int i = 0; i < 3; ++i) {
      const kestrion::Line& l = window_->model().line(static_cast<Pointer>(i));
      ends[i] = {l.x2, l.y2};
    }
    return ends;
  }();
  QScrollBar* bar = gui::slider(*window_, slider);
  bar->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bar, Qt::Key(key));
  QVERIFY(layer->grab().toImage() != before);
  int moved = 0;
  for (int i = 0; i < 3; ++i) {
    const auto id = static_cast<Pointer>(i);
    const kestrion::Line& l = window_->model().line(id);
    moved += QPointF(l.x2, l.y2) != startEnds[i];
    // Drawn where the model says the pointer ends.
    QVERIFY2(pointerPixel(*window_, id) != background, qPrintable(QString::number(i)));
  }
  QVERIFY(moved > 0);
}

void InputTest::tabsByMouse() {
  const auto modelTexts = [this] {
    QStringList t;
    for (std::size_t i = 0; i < kestrion::kValueCount; ++i) {
      t << QString::fromStdString(window_->model().text(static_cast<kestrion::Value>(i)));
    }
    return t;
  };
  const QStringList before = modelTexts();
  for (int page : {3, 5, 1, 4, 2, 0}) {
    showPage(*window_, page);
    for (int p = 0; p < 6; ++p) {
      QCOMPARE(window_->tabControl()->page(p)->isVisible(), p == page);
    }
    // The rows keep their places.
    QVERIFY(window_->tabControl()->strip()->tabRect(0).top() <
            window_->tabControl()->strip()->tabRect(3).top());
  }
  // Switching pages computes nothing.
  QCOMPARE(modelTexts(), before);
}

void InputTest::tabsByKeyboard_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QList<int>>("modifiers");
  QTest::addColumn<int>("page");
  const int none = Qt::NoModifier;
  const int ctrl = Qt::ControlModifier;
  const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  QTest::newRow("Right") << QList<int>{Qt::Key_Right} << QList<int>{none} << 1;
  QTest::newRow("Left wraps") << QList<int>{Qt::Key_Left} << QList<int>{none} << 5;
  QTest::newRow("Down") << QList<int>{Qt::Key_Down} << QList<int>{none} << 3;
  QTest::newRow("Right Up") << QList<int>{Qt::Key_Right, Qt::Key_Up} << QList<int>{none, none} << 4;
  QTest::newRow("Ctrl+Tab") << QList<int>{Qt::Key_Tab} << QList<int>{ctrl} << 1;
  QTest::newRow("Ctrl+Tab twice") << QList<int>{Qt::Key_Tab, Qt::Key_Tab} << QList<int>{ctrl, ctrl}
                                  << 2;
  QTest::newRow("Ctrl+Shift+Tab") << QList<int>{Qt::Key_Backtab} << QList<int>{ctrlShift} << 5;
}

void InputTest::tabsByKeyboard() {
  QFETCH(QList<int>, keys);
  QFETCH(QList<int>, modifiers);
  QFETCH(int, page);
  auto* strip = window_->tabControl()->strip();
  // The strip takes the focus one Tab after Quit.
  QCOMPARE(focusName(*window_), QStringLiteral("quit"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(focusName(*window_), QStringLiteral("SSTab1"));
  for (int i = 0; i < keys.size(); ++i) {
    QTest::keyClick(strip, Qt::Key(keys[i]), Qt::KeyboardModifiers(modifiers[i]));
  }
  QCOMPARE(window_->tabControl()->currentIndex(), page);
  QVERIFY(window_->tabControl()->page(page)->isVisible());
}

void InputTest::focusOrder_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("order");
  const QStringList head{"quit", "SSTab1"};
  QTest::newRow("System Noise Figure")
      << 0 << head + QStringList{"HScroll11", "HScroll7",  "HScroll4",  "HScroll3", "HScroll2",
                                 "HScroll1",  "HScroll14", "HScroll13", "HScroll12"};
  QTest::newRow("NF to Noise Temperature") << 1 << head + QStringList{"HScroll5", "HScroll6"};
  QTest::newRow("Antenna Gain") << 2 << head + QStringList{"HScroll8", "HScroll10", "HScroll9"};
  QTest::newRow("G/T") << 3 << head + QStringList{"HScroll15", "HScroll16"};
  QTest::newRow("Antenna Alignment")
      << 4 << head + QStringList{"HScroll17", "HScroll18", "HScroll19", "offsetAngle"};
  // Of the option group only the selected button is a stop, at its own place.
  const QStringList cn{"HScroll20", "HScroll21", "HScroll22",
                       "HScroll23", "HScroll24", "HScroll25"};
  QTest::newRow("C/N clear sky") << 5
                                 << head + QStringList{"rainoff"} + cn + QStringList{"Command2"};
  QTest::newRow("C/N Rain 10") << 5 << head + cn + QStringList{"Option2", "Command2"};
}

void InputTest::focusOrder() {
  QFETCH(int, page);
  QFETCH(QStringList, order);
  QCOMPARE(focusName(*window_), QStringLiteral("quit"));
  window_->tabControl()->setCurrentIndex(page);
  if (order.contains("Option2")) {
    auto* option = window_->findChild<QRadioButton*>("Option2");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    control(*window_, "quit")->setFocus(Qt::OtherFocusReason);
  }
  QStringList seen{focusName(*window_)};
  for (int i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    seen << focusName(*window_);
  }
  QCOMPARE(seen, order + QStringList{"quit"});
  // Shift+Tab walks back the same way.
  QStringList back{focusName(*window_)};
  for (int i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    back.prepend(focusName(*window_));
  }
  QCOMPARE(back, QStringList{"quit"} + order.mid(1) + QStringList{"quit"});
}

void InputTest::buttonsSignal() {
  QSignalSpy about(window_.get(), &MainWindow::aboutRequested);
  QSignalSpy home(window_.get(), &MainWindow::homePageRequested);
  QSignalSpy footprint(window_.get(), &MainWindow::footprintPageRequested);
  window_->findChild<QAction*>("Ab")->trigger();
  QTest::mouseClick(control(*window_, "Label37"), Qt::LeftButton);
  showPage(*window_, 5);
  QTest::mouseClick(control(*window_, "Command2"), Qt::LeftButton);
  QCOMPARE(about.count(), 1);
  QCOMPARE(home.count(), 1);
  QCOMPARE(footprint.count(), 1);
  // Quit ends the program: every window closes.
  QTest::mouseClick(control(*window_, "quit"), Qt::LeftButton);
  QVERIFY(!window_->isVisible());
}

// A site typed in degrees, minutes and seconds: the label keeps the typed
// precision, the thumb goes to the nearest degree, the pointers and the
// C/N follow; a text that cannot be read keeps the editor open.
void InputTest::typedSite() {
  showPage(*window_, 4);
  QScrollBar* latitude = slider(*window_, "HScroll17");
  latitude->setFocus();
  QTest::keyClick(latitude, Qt::Key_F2);
  auto* editor = window_->findChild<QLineEdit*>("angleEditor");
  QVERIFY(editor);
  QVERIFY(!editor->accessibleName().isEmpty());
  editor->selectAll();
  QTest::keyClicks(editor, "95 00 00 N");
  QTest::keyClick(editor, Qt::Key_Return);
  QVERIFY(editor->isVisible());
  QCOMPARE(labelText(*window_, "Latitud"), QStringLiteral("60"));
  editor->selectAll();
  QTest::keyClicks(editor, QString::fromUtf8("33°55'29\"S"));
  QTest::keyClick(editor, Qt::Key_Return);
  QTRY_VERIFY(window_->findChild<QLineEdit*>("angleEditor") == nullptr);
  QCOMPARE(labelText(*window_, "Latitud"), QStringLiteral("-33.9247"));
  QCOMPARE(latitude->value(), -34);
  // The same state as kestrion-cli reaches with the same typed entry.
  kestrion::Calculator expected;
  QVERIFY(!expected.load());
  QVERIFY(!expected.enter(kestrion::Input::latitude,
                          *kestrion::readAngle("-33.9247", kestrion::AngleKind::Latitude).entry));
  for (const char* text : {"el", "az", "offset", "rsat", "cnres"}) {
    QCOMPARE(labelText(*window_, text),
             QString::fromStdString(expected.window().text(*kestrion::valueNamed(text))));
  }
  for (const Pointer id : {Pointer::skew, Pointer::azimuth, Pointer::elevation}) {
    QCOMPARE(window_->model().line(id).x2, expected.window().line(id).x2);
    QCOMPARE(window_->model().line(id).y2, expected.window().line(id).y2);
  }
  // A slider step afterwards writes its whole-number text again.
  QTest::keyClick(latitude, Qt::Key_Right);
  QCOMPARE(labelText(*window_, "Latitud"), QStringLiteral("-33"));
}

void InputTest::leavingEntersTheText_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("latitude");  // the label's text after leaving
  QTest::addColumn<bool>("open");         // the editor stays, with its message
  QTest::newRow("readable") << QStringLiteral("40.4168") << QStringLiteral("40.4168") << false;
  QTest::newRow("unreadable") << QStringLiteral("95 00 00 N") << QStringLiteral("60") << true;
  QTest::newRow("untouched") << QStringLiteral("60") << QStringLiteral("60") << false;
}

// Leaving the editor for the next field enters a text that can be read, as
// Enter does; one that cannot is not lost silently.
void InputTest::leavingEntersTheText() {
  QFETCH(QString, typed);
  QFETCH(QString, latitude);
  QFETCH(bool, open);
  showWindow(*window_);
  showPage(*window_, 4);
  window_->editAngle(kestrion::Input::latitude);
  auto* editor = window_->findChild<QLineEdit*>("angleEditor");
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClicks(editor, typed);
  slider(*window_, "HScroll18")->setFocus();
  QCOMPARE(labelText(*window_, "Latitud"), latitude);
  if (open) {
    QVERIFY(editor->isVisible());
    QVERIFY(window_->findChild<QLabel*>("angleEditorMessage")->isVisible());
  } else {
    QTRY_VERIFY(window_->findChild<QLineEdit*>("angleEditor") == nullptr);
  }
}

// An offset angle beyond the box's range is said under it, and goes when
// one within it is taken.
void InputTest::offsetOutsideItsRange() {
  showWindow(*window_);
  showPage(*window_, 4);
  auto* offset = window_->findChild<QDoubleSpinBox*>("offsetAngle");
  QVERIFY(offset);
  const double before = offset->value();
  offset->setFocus();
  offset->selectAll();
  QTest::keyClicks(offset, "50");
  QTest::keyClick(offset, Qt::Key_Return);
  QCOMPARE(offset->value(), before);
  auto* problem = window_->findChild<QLabel*>("offsetProblem");
  QVERIFY(problem && problem->isVisible());
  QCOMPARE(problem->text(), QStringLiteral("50 is outside 0 to 45; %1 kept").arg(offset->text()));
  offset->selectAll();
  QTest::keyClicks(offset, "30");
  QTest::keyClick(offset, Qt::Key_Return);
  QCOMPARE(offset->value(), 30.0);
  QVERIFY(!problem->isVisible());
}

// A name as people type it offers the listed names; one Enter on the list
// takes the satellite, whose name shows beside its position until another
// position is set.
void InputTest::satelliteByName() {
  showWindow(*window_);
  showPage(*window_, 4);
  window_->editAngle(kestrion::Input::satellite);
  auto* editor = window_->findChild<QLineEdit*>("angleEditor");
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClicks(editor, "hot bird 13");
  if (editor->completer() == nullptr || editor->completer()->model()->rowCount() == 0) {
    QSKIP("no DVB-S scan tables here (dtv-scan-tables)");
  }
  QTRY_VERIFY(editor->completer()->popup()->isVisible());
  QAbstractItemView* list = editor->completer()->popup();
  QTest::keyClick(list, Qt::Key_Down);
  const QString chosen = list->currentIndex().data(Qt::EditRole).toString();
  QVERIFY2(chosen.startsWith("Hotbird"), qPrintable(chosen));
  QTest::keyClick(list, Qt::Key_Return);
  QTRY_VERIFY(window_->findChild<QLineEdit*>("angleEditor") == nullptr);
  QCOMPARE(labelText(*window_, "satposition"), QStringLiteral("13"));
  QCOMPARE(labelText(*window_, "satelliteName"), chosen);
  QTest::keyClick(slider(*window_, "HScroll19"), Qt::Key_Right);
  QCOMPARE(labelText(*window_, "satelliteName"), QString());
}

// Enter with the list open and no name chosen from it takes the text as
// typed, found as every front-end finds it, not the first name it starts.
void InputTest::typedNameBeforeTheList() {
  showWindow(*window_);
  showPage(*window_, 4);
  window_->editAngle(kestrion::Input::satellite);
  auto* editor = window_->findChild<QLineEdit*>("angleEditor");
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClicks(editor, "Hispasat 30W");
  const kestrion::SatelliteFound found = kestrion::SatelliteNames().find("Hispasat 30W");
  if (editor->completer() == nullptr || found.name.empty()) {
    QSKIP("no Hispasat at 30W in the DVB-S scan tables here (dtv-scan-tables)");
  }
  QTRY_VERIFY(editor->completer()->popup()->isVisible());
  QTest::keyClick(editor->completer()->popup(), Qt::Key_Return);
  QTRY_VERIFY(window_->findChild<QLineEdit*>("angleEditor") == nullptr);
  QCOMPARE(labelText(*window_, "satelliteName"), QString::fromStdString(found.name));
}

// F10 opens the menu bar; Right walks it; Alt and an access key open a menu.
void InputTest::menusByKeyboard() {
  showWindow(*window_);
  QMenuBar* bar = window_->menuBar();
  QTest::keyClick(window_.get(), Qt::Key_F10);
  QTRY_COMPARE(bar->activeAction(), bar->actions().constFirst());
  QTest::keyClick(bar, Qt::Key_Right);
  QTRY_COMPARE(bar->activeAction(), bar->actions().at(1));
  QTest::keyClick(bar, Qt::Key_Escape);
  QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
  QTRY_VERIFY(bar->actions().at(1)->menu()->isVisible());
  bar->actions().at(1)->menu()->close();
}

// What a control and the few pixels around it look like.
QImage around(QWidget* w) {
  return w->parentWidget()->grab(w->geometry().adjusted(-3, -3, 3, 3)).toImage();
}

int differing(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return n;
}

void InputTest::focusIndicator_data() {
  QTest::addColumn<int>("page");
  for (int page = 0; page < 6; ++page) {
    QTest::addRow("page %d", page) << page;
  }
}

// Every control the keyboard reaches shows that it has the focus; a slider
// by a frame in the highlight colour.
void InputTest::focusIndicator() {
  QFETCH(int, page);
  showWindow(*window_);
  showPage(*window_, page);
  // A keyboard user: the styles draw focus once a key has moved it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QList<QWidget*> stops{window_->tabControl()->strip(), control(*window_, "quit")};
  for (QWidget* w : window_->tabControl()->page(page)->findChildren<QWidget*>()) {
    if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) != 0) {
      stops << w;
    }
  }
  QVERIFY(stops.size() > 2);
  QStringList unseen;
  for (QWidget* w : stops) {
    QWidget* other = w == stops.front() ? stops.back() : stops.front();
    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other->hasFocus());
    const QImage before = around(w);
    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus());
    const QImage after = around(w);
    const QString name = w == stops.front() ? QStringLiteral("SSTab1") : w->objectName();
    if (differing(before, after) < w->width() + w->height()) {
      unseen << name;
    }
    if (qobject_cast<QScrollBar*>(w) != nullptr) {
      const QRgb highlight = w->palette().color(QPalette::Highlight).rgb();
      int framed = 0;
      for (int x = 3; x < after.width() - 3; ++x) {
        framed += after.pixel(x, 3) == highlight ? 1 : 0;
        framed += after.pixel(x, after.height() - 4) == highlight ? 1 : 0;
      }
      if (framed < w->width()) {
        unseen << name + QStringLiteral(" (no highlight frame)");
      }
    }
  }
  QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(QStringLiteral(", "))));
}

QTEST_MAIN(InputTest)
#include "tst_input.moc"
