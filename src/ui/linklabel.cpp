#include "linklabel.h"

#include <QMouseEvent>

namespace kestrion::ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  // Only the underline is set here; family and size follow the window.
  QFont f;
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(p);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button on the label, as for a
// button: dragging off the label before releasing cancels it.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) {
    Q_EMIT clicked();
  }
}

}  // namespace kestrion::ui
