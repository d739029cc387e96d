// The pointers Line6, Line7 and Line8, drawn over the alignment page's
// pictures from the end points the model keeps. Clicks and tooltips pass
// through to the controls beneath.
#pragma once

#include <QWidget>
#include <optional>

class QPainter;

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

  // The pointers and the magnetic north mark in page pixels, for this layer
  // and for the job sheet, which draws them onto paper.
  static void paint(QPainter& painter, const Window& model, std::optional<double> magneticNorth,
                    const QColor& pointerColour, const QFont& markFont);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Window& model_;
  std::optional<double> magneticNorth_;
};

}  // namespace kestrion::ui
