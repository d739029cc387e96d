// A slider of the calculator: a horizontal scroll bar that knows the scale
// of its quantity, so that a screen reader hears the quantity (1.0 dB), not
// the raw position (10).
#pragma once

#include <QScrollBar>

#include "model/controls.h"

namespace kestrion::ui {

class SliderBar : public QScrollBar {
  Q_OBJECT

 public:
  SliderBar(Input input, QWidget* parent = nullptr);

  [[nodiscard]] Input input() const { return input_; }
  // The quantity a position stands for, and back (nearest position).
  [[nodiscard]] double quantity(int position) const;
  [[nodiscard]] int position(double quantity) const;
  // "1.0 dB", "45 dB": the quantity in its unit.
  [[nodiscard]] QString quantityText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Input input_;
};

}  // namespace kestrion::ui
