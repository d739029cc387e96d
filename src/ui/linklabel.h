// A label that opens a web page when clicked: blue, underlined, plain text.
#pragma once

#include <QLabel>

namespace kestrion::ui {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  // What a click does; also a screen reader's action.
  void activate() { Q_EMIT clicked(); }

 Q_SIGNALS:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace kestrion::ui
