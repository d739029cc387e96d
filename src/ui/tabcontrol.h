// SSTab1: the two-row tab strip over a stack of pages. Every page covers the
// whole control, so its controls are placed in the control's own coordinates
// and the strip lies above their top edge.
#pragma once

#include <QWidget>

class QStackedWidget;

namespace kestrion::ui {

class TabStrip;

// One page under the strip; a screen reader knows it by its tab's caption.
class TabPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

class TabControl : public QWidget {
  Q_OBJECT

 public:
  TabControl(const QStringList& captions, QWidget* parent = nullptr);

  [[nodiscard]] QWidget* page(int index) const;
  [[nodiscard]] TabStrip* strip() const { return strip_; }
  [[nodiscard]] int currentIndex() const;
  void setCurrentIndex(int index);

 Q_SIGNALS:
  // Before the page becomes visible, so it can be filled first.
  void pageAboutToShow(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void step(int delta);

  TabStrip* strip_;
  QStackedWidget* stack_;
};

}  // namespace kestrion::ui
