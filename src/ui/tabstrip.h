// A tab strip with its tabs in rows of three, as QTabBar has only one row.
// The rows keep their places when a tab is selected. The strip is one focus
// stop; the arrow keys move between tabs.
#pragma once

#include <QStringList>
#include <QWidget>

namespace kestrion::ui {

class TabStrip : public QWidget {
  Q_OBJECT

 public:
  TabStrip(QStringList captions, int rowHeight, QWidget* parent = nullptr);

  [[nodiscard]] int currentIndex() const { return current_; }
  [[nodiscard]] int count() const { return static_cast<int>(captions_.size()); }
  [[nodiscard]] QRect tabRect(int index) const;
  [[nodiscard]] QString tabText(int index) const { return captions_.value(index); }
  void setCurrentIndex(int index);

  static constexpr int kTabsPerRow = 3;

 Q_SIGNALS:
  void currentChanged(int index);
  // After currentChanged, when the tab was chosen with the mouse.
  void clicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void tellCurrent(bool focused);

  QStringList captions_;
  int rowHeight_;
  int current_ = 0;
};

}  // namespace kestrion::ui
