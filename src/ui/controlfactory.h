// Makes the widget for one row of a layout table and binds it to the model's
// slider, value or rain option of the row's id.
#pragma once

#include <array>
#include <functional>

#include "layout.h"
#include "model/controls.h"

class QButtonGroup;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace kestrion {
class Window;
}

namespace kestrion::ui {

class TextLabel;

// The widgets the window writes to and walks, indexed like the model's
// controls; null until their page is built.
struct BoundControls {
  std::array<TextLabel*, kValueCount> texts{};
  std::array<QScrollBar*, kInputCount> sliders{};
  std::array<QRadioButton*, kRainCount> options{};
  std::array<QWidget*, kCommandCount> commands{};
  std::array<TextLabel*, kAidCount> aids{};
  std::array<QLabel*, kInputCount> captions{};
  QDoubleSpinBox* offsetAngle = nullptr;
};

class ControlFactory {
 public:
  // `command` is what a click on a button or link runs.
  ControlFactory(const Window& model, BoundControls& bound, QButtonGroup& options,
                 std::function<void(Command)> command)
      : model_(model), bound_(bound), options_(options), command_(std::move(command)) {}

  // Every control of the table, in table order; hidden text boxes get none.
  void buildAll(std::span<const ControlSpec> table, QWidget* parent);

 private:
  QWidget* build(const ControlSpec& control, QWidget* parent);

  const Window& model_;
  BoundControls& bound_;
  QButtonGroup& options_;
  std::function<void(Command)> command_;
};

}  // namespace kestrion::ui
