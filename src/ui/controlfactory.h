// Makes the widget for one row of a layout table and binds it to the model's
// slider, text or option of the same name.
#pragma once

#include <array>

#include "layout.h"
#include "model/controls.h"

class QButtonGroup;
class QScrollBar;
class QWidget;

namespace kestrion {
class Window;
}

namespace kestrion::ui {

class TextLabel;

// The widgets the binding writes to, indexed like the model's controls.
struct BoundControls {
  std::array<TextLabel*, kTextCount> texts{};
  std::array<QScrollBar*, kSliderCount> sliders{};
};

class ControlFactory {
 public:
  ControlFactory(const Window& model, BoundControls& bound, QButtonGroup& options)
      : model_(model), bound_(bound), options_(options) {}

  // Every control of the table, in table order; hidden text boxes get none.
  void buildAll(std::span<const ControlSpec> table, QWidget* parent);

 private:
  QWidget* build(const ControlSpec& control, QWidget* parent);

  const Window& model_;
  BoundControls& bound_;
  QButtonGroup& options_;
};

}  // namespace kestrion::ui
