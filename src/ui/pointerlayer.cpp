#include "pointerlayer.h"

#include <QPainter>
#include <cmath>

#include "model/window.h"
#include "twips.h"

namespace kestrion::ui {

PointerLayer::PointerLayer(const Window& model, QWidget* parent) : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

constexpr double kPenWidth = 1.5;

}  // namespace

void PointerLayer::linesChanged() {
  QRegion swept;
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    // A pointer turns about its fixed start point and keeps its length.
    const Line& line = model_.line(static_cast<Pointer>(i));
    const QPointF centre = toPixels(line.x1, line.y1);
    const QPointF end = toPixels(line.x2, line.y2);
    const double reach = std::hypot(end.x() - centre.x(), end.y() - centre.y()) + kPenWidth + 1;
    swept += QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach).toAlignedRect();
  }
  update(swept);
}

void PointerLayer::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    const auto id = static_cast<Pointer>(i);
    const Line& line = model_.line(id);
    const QColor colour =
        id == Pointer::skew ? QColor(255, 0, 0) : palette().color(QPalette::WindowText);
    painter.setPen(QPen(colour, kPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2));
  }
}

}  // namespace kestrion::ui
