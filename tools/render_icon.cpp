// Renders an SVG into square PNGs at the given sizes, for the icon theme.
// Usage: render_icon SVG OUTDIR SIZE... (writes OUTDIR/SIZE.png)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icon SVG OUTDIR SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  QDir().mkpath(out.path());
  for (int i = 3; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    if (size <= 0) {
      std::fprintf(stderr, "render_icon: bad size %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(out.filePath(QString::number(size) + ".png"))) {
      std::fprintf(stderr, "render_icon: cannot write %d.png\n", size);
      return 1;
    }
  }
  return 0;
}
