#include "tabcontrol.h"

#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include "layout.h"
#include "tabstrip.h"

namespace kestrion::ui {

TabControl::TabControl(const QStringList& captions, QWidget* parent)
    : QWidget(parent),
      strip_(new TabStrip(captions, toPixels(kTabRowHeight), this)),
      stack_(new QStackedWidget(this)) {
  for (const QString& caption : captions) {
    auto* page = new TabPage;
    // A screen reader names the page as the focus moves into it.
    page->setAccessibleName(caption);
    stack_->addWidget(page);
  }
  strip_->raise();
  strip_->setAccessibleName(tr("Pages"));
  setFocusProxy(strip_);
  connect(strip_, &TabStrip::currentChanged, this, [this](int index) {
    Q_EMIT pageAboutToShow(index);
    stack_->setCurrentIndex(index);
  });

  // Ctrl+Tab works from anywhere in the window, as in other tabbed dialogs.
  const auto shortcut = [this](const QKeySequence& keys, int delta) {
    auto* s = new QShortcut(keys, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, [this, delta] { step(delta); });
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

QWidget* TabControl::page(int index) const {
  return stack_->widget(index);
}

int TabControl::currentIndex() const {
  return strip_->currentIndex();
}

void TabControl::setCurrentIndex(int index) {
  strip_->setCurrentIndex(index);
}

void TabControl::step(int delta) {
  const int n = strip_->count();
  strip_->setCurrentIndex((strip_->currentIndex() + delta + n) % n);
}

void TabControl::resizeEvent(QResizeEvent* /*event*/) {
  strip_->setGeometry(0, 0, width(), 2 * toPixels(kTabRowHeight));
  stack_->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  frame.rect = rect().adjusted(0, strip_->height() - 1, 0, 0);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace kestrion::ui
