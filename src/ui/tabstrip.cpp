#include "tabstrip.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTimer>
#include <utility>

namespace kestrion::ui {

TabStrip::TabStrip(QStringList captions, int rowHeight, QWidget* parent)
    : QWidget(parent), captions_(std::move(captions)), rowHeight_(rowHeight) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_MacShowFocusRect);
}

QRect TabStrip::tabRect(int index) const {
  const int row = index / kTabsPerRow;
  const int column = index % kTabsPerRow;
  // Share the width out so the last tab ends flush with the strip.
  const int left = width() * column / kTabsPerRow;
  const int right = width() * (column + 1) / kTabsPerRow;
  return {left, row * rowHeight_, right - left, rowHeight_};
}

void TabStrip::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == current_) {
    return;
  }
  current_ = index;
  update();
  Q_EMIT currentChanged(index);
  tellCurrent(hasFocus());
}

// As QTabBar does: the selected tab, and with the strip's focus the tab as
// the focused object, which a screen reader speaks.
void TabStrip::tellCurrent(bool focused) {
  if (!QAccessible::isActive()) {
    return;
  }
  if (focused) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(current_);
  QAccessible::updateAccessibility(&selection);
}

// The strip's own focus event follows this one; the open page's tab is told
// after it, so the reader ends on the tab rather than on the list.
void TabStrip::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): Qt owns the queued call
  QTimer::singleShot(0, this, [this] { tellCurrent(hasFocus()); });
}

void TabStrip::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.rect = tabRect(i);
    option.text = captions_[i];
    const int column = i % kTabsPerRow;
    option.position = column == 0                 ? QStyleOptionTab::Beginning
                      : column == kTabsPerRow - 1 ? QStyleOptionTab::End
                                                  : QStyleOptionTab::Middle;
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (i == current_) {
      option.state |= QStyle::State_Selected;
      if (hasFocus()) {
        option.state |= QStyle::State_HasFocus;
      }
    }
    painter.drawControl(QStyle::CE_TabBarTab, option);
  }
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  for (int i = 0; i < count(); ++i) {
    if (tabRect(i).contains(event->position().toPoint())) {
      if (i != current_) {
        setCurrentIndex(i);
        Q_EMIT clicked(i);
      }
      return;
    }
  }
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
  const int n = count();
  int next = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      next = (current_ + n - 1) % n;
      break;
    case Qt::Key_Right:
      next = (current_ + 1) % n;
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      // The tab in the same column of the other row.
      next = (current_ + kTabsPerRow) % n;
      break;
    case Qt::Key_Home:
      next = 0;
      break;
    case Qt::Key_End:
      next = n - 1;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  setCurrentIndex(next);
}

}  // namespace kestrion::ui
