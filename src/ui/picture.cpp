#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kestrion::ui {

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {}

bool Picture::isValid() const { return renderer_->isValid(); }

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_->render(&painter, QRectF(rect()));
}

}  // namespace kestrion::ui
