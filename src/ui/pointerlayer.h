// The pointers Line6, Line7 and Line8, drawn over the alignment page's
// pictures from the end points the model keeps. Clicks and tooltips pass
// through to the controls beneath.
#pragma once

#include <QWidget>

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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Window& model_;
};

}  // namespace kestrion::ui
