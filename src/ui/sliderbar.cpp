#include "sliderbar.h"

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

QString SliderBar::quantityText() const {
  const bool tenth = inputSpec(input_).scale == Scale::Tenth;
  return QString::number(quantity(value()), 'f', tenth ? 1 : 0) + QLatin1Char(' ') +
         toQString(inputSpec(input_).unit);
}

}  // namespace kestrion::ui
