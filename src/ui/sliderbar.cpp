#include "sliderbar.h"

#include <QPainter>
#include <cmath>

#include "qtext.h"

namespace kestrion::ui {

SliderBar::SliderBar(Input input, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), input_(input) {}

double SliderBar::quantity(int position) const {
  return inputSpec(input_).scale == Scale::Tenth ? position / 10.0 : position;
}

int SliderBar::position(double quantity) const {
  const double p = inputSpec(input_).scale == Scale::Tenth ? quantity * 10 : quantity;
  return static_cast<int>(std::lround(p));
}

// Scroll bars draw no focus in the usual styles, yet the arrow keys move the
// slider that has it: a frame in the highlight colour shows which one.
void SliderBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) {
    return;
  }
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

QString SliderBar::quantityText() const {
  const bool tenth = inputSpec(input_).scale == Scale::Tenth;
  return QString::number(quantity(value()), 'f', tenth ? 1 : 0) + QLatin1Char(' ') +
         toQString(inputSpec(input_).unit);
}

}  // namespace kestrion::ui
