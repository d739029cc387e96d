#include "picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kestrion::ui {

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(resource, this)) {}

bool Picture::isValid() const {
  return renderer_->isValid();
}

void Picture::paintEvent(QPaintEvent* /*event*/) {
  const qreal ratio = devicePixelRatioF();
  if (cache_.isNull() || cache_.deviceIndependentSize() != QSizeF(size()) ||
      cache_.devicePixelRatio() != ratio) {
    cache_ = QPixmap(size() * ratio);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(Qt::transparent);
    QPainter onCache(&cache_);
    renderer_->render(&onCache, QRectF(rect()));
  }
  QPainter(this).drawPixmap(0, 0, cache_);
}

}  // namespace kestrion::ui
