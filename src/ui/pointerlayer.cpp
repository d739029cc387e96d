#include "pointerlayer.h"

#include <QPainter>

#include "model/window.h"
#include "twips.h"

namespace kestrion::ui {

PointerLayer::PointerLayer(const Window& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PointerLayer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < kLineCount; ++i) {
    const auto id = static_cast<LineId>(i);
    const Line& line = model_.line(id);
    const QColor colour = id == LineId::Line6 ? QColor(255, 0, 0)
                                              : palette().color(QPalette::WindowText);
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2));
  }
}

}  // namespace kestrion::ui
