// A label that reacts to a click, for the web address below the pages.
#pragma once

#include <QLabel>

namespace kestrion::ui {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kestrion::ui
