#include "textlabel.h"

namespace kestrion::ui {

void TextLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  Q_EMIT doubleClicked();
}

}  // namespace kestrion::ui
