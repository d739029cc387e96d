#include "desktop/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kestrion::desktop {

namespace {

QPixmap render(const QString& path, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(path);
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return pixmap;
}

}  // namespace

QPixmap logoPixmap(qreal devicePixelRatio) {
  return render(QStringLiteral(":/about/logo.svg"), QSize(250, 53), devicePixelRatio);
}

QIcon applicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 64}) {
    icon.addPixmap(render(QStringLiteral(":/about/icon.svg"), QSize(side, side), 1.0));
  }
  return icon;
}

}  // namespace kestrion::desktop
