#include "pointerlayer.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "model/window.h"
#include "twips.h"

namespace kestrion::ui {

PointerLayer::PointerLayer(const Window& model, QWidget* parent) : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

constexpr double kPenWidth = 1.5;
// The magnetic north mark: from the compass pointer's pivot, towards the rim.
constexpr double kMagneticReach = 620;  // twips

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

void PointerLayer::setMagneticNorth(std::optional<double> declination) {
  if (declination != magneticNorth_) {
    magneticNorth_ = declination;
    update();
  }
}

void PointerLayer::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QFont small = font();
  small.setPointSizeF(6.5);
  paint(painter, model_, magneticNorth_, palette().color(QPalette::WindowText), small);
}

void PointerLayer::paint(QPainter& painter, const Window& model,
                         std::optional<double> magneticNorth, const QColor& pointerColour,
                         const QFont& markFont) {
  painter.setRenderHint(QPainter::Antialiasing);
  if (magneticNorth) {
    const Line& compass = model.line(Pointer::azimuth);
    const double a = *magneticNorth * std::numbers::pi / 180;
    const QPointF pivot = toPixels(compass.x1, compass.y1);
    const QPointF tip = toPixels(compass.x1 + std::sin(a) * kMagneticReach,
                                 compass.y1 - std::cos(a) * kMagneticReach);
    painter.setPen(QPen(QColor(0, 90, 200), kPenWidth, Qt::DashLine, Qt::RoundCap));
    painter.drawLine(pivot, tip);
    painter.setFont(markFont);
    painter.drawText(QRectF(tip.x() - 12, tip.y() - 14, 24, 12), Qt::AlignCenter,
                     QStringLiteral("MN"));
  }
  for (std::size_t i = 0; i < kPointerCount; ++i) {
    const auto id = static_cast<Pointer>(i);
    const Line& line = model.line(id);
    const QColor colour = id == Pointer::skew ? QColor(255, 0, 0) : pointerColour;
    painter.setPen(QPen(colour, kPenWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2));
  }
}

}  // namespace kestrion::ui
