// A fixed picture drawn from vector artwork, so it stays crisp at any scale.
// The artwork is rasterised once per size and pixel ratio; the pointers
// drawn over it repaint often.
#pragma once

#include <QPixmap>
#include <QWidget>

class QSvgRenderer;

namespace kestrion::ui {

class Picture : public QWidget {
  Q_OBJECT

 public:
  Picture(const QString& resource, QWidget* parent = nullptr);

  [[nodiscard]] bool isValid() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  QPixmap cache_;
};

}  // namespace kestrion::ui
