// The pointers Line6, Line7 and Line8, drawn over the alignment page's
// pictures from the end points the model keeps. Clicks and tooltips pass
// through to the controls beneath.
#pragma once

#include <QWidget>
#include <optional>

namespace kestrion {
class Window;
}

namespace kestrion::ui {

class PointerLayer : public QWidget {
  Q_OBJECT

 public:
  PointerLayer(const Window& model, QWidget* parent = nullptr);

  // The model moved a pointer: repaint the circles the pointers sweep.
  void linesChanged();

  // Magnetic north on the compass rose, degrees east of true north; none
  // without a magnetic model.
  void setMagneticNorth(std::optional<double> declination);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Window& model_;
  std::optional<double> magneticNorth_;
};

}  // namespace kestrion::ui
