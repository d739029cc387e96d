#include "desktop/link_label.h"

#include <QMouseEvent>

namespace kestrion::desktop {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  QFont linkFont = font();
  linkFont.setUnderline(true);
  setFont(linkFont);
  QPalette linkPalette = palette();
  linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(linkPalette);
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

}  // namespace kestrion::desktop
