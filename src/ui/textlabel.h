// A label that shows one of the model's texts. A screen reader hears its
// quantity as the name and the text as the value (see accessibility.cpp).
// A double-click asks for the value to be typed.
#pragma once

#include <QLabel>

namespace kestrion::ui {

class TextLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 Q_SIGNALS:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kestrion::ui
