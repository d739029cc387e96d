// Shared by the window tests: finding controls by their window names and
// reading what the window shows.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include "ui/mainwindow.h"
#include "ui/tabcontrol.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

namespace gui {

using kestrion::ui::MainWindow;

inline QWidget* control(const MainWindow& w, const QString& name) {
  return w.findChild<QWidget*>(name);
}

inline QScrollBar* slider(const MainWindow& w, const QString& name) {
  return w.findChild<QScrollBar*>(name);
}

inline QString labelText(const MainWindow& w, const QString& name) {
  auto* label = w.findChild<QLabel*>(name);
  return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// Every label showing a model text, by name, as displayed.
inline QMap<QString, QString> shownTexts(const MainWindow& w) {
  QMap<QString, QString> texts;
  for (auto* label : w.findChildren<kestrion::ui::TextLabel*>()) {
    if (kestrion::valueNamed(label->objectName().toStdString())) {
      texts.insert(label->objectName(), label->text());
    }
  }
  return texts;
}

// The page a control sits on, or -1 for controls outside the tab control.
inline int pageOf(const MainWindow& w, const QWidget* c) {
  auto* tabs = w.tabControl();
  for (int p = 0; p < 6; ++p) {
    if (tabs->page(p)->isAncestorOf(c)) {
      return p;
    }
  }
  return -1;
}

inline void showWindow(MainWindow& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

inline void showPage(MainWindow& w, int page) {
  auto* strip = w.tabControl()->strip();
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
  QCOMPARE(w.tabControl()->currentIndex(), page);
}

// Pages get their widgets when first shown; show each once, end on page 0.
inline void visitAllPages(MainWindow& w) {
  for (int page = 5; page >= 0; --page) {
    w.tabControl()->setCurrentIndex(page);
  }
}

inline QRect subControl(QScrollBar* bar, QStyle::SubControl sc) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = bar->orientation();
  opt.state |= QStyle::State_Horizontal;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.subControls = QStyle::SC_All;
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, bar);
}

// Clicks a slider's arrow `count` times: positive to the right.
inline void clickArrow(QScrollBar* bar, int count) {
  const QStyle::SubControl arrow =
      count >= 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
  const QPoint at = subControl(bar, arrow).center();
  for (int i = 0; i < std::abs(count); ++i) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, at);
  }
}

}  // namespace gui
