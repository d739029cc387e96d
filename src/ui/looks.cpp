#include "looks.h"

#include <QFontInfo>
#include <QLabel>

namespace kestrion::ui {

QFont controlFont(FontSize size) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(size == FontSize::Large ? 12.0 : 8.25);
  // The captions were fitted to a narrow bitmap font; a substitute of the
  // usual width would spill out of their boxes, so take its narrower face.
  if (QFontInfo(font).family() != font.family()) {
    font.setStretch(QFont::Condensed);
  }
  return font;
}

QPalette windowPalette() {
  QPalette palette(QColor(192, 192, 192));
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  return palette;
}

QColor warningColour() {
  return {192, 0, 0};
}

void applyLook(QLabel& label, Look look) {
  QPalette palette = label.palette();
  const auto box = [&](const QColor& background) {
    label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label.setLineWidth(1);
    label.setAlignment(Qt::AlignCenter);
    palette.setColor(QPalette::Window, background);
    label.setAutoFillBackground(true);
  };
  switch (look) {
    case Look::None:
    case Look::Plain:
      label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label.setWordWrap(true);
      break;
    case Look::PlainCentred:
      label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      label.setWordWrap(true);
      break;
    case Look::InputBox:
      // The text colour of an active title bar: white on the classic scheme,
      // the highlighted-text colour in Qt's palette.
      box(palette.color(QPalette::HighlightedText));
      break;
    case Look::InputBoxWhite:
      box(Qt::white);
      break;
    case Look::ResultBox:
      // The light edge of three-dimensional elements.
      box(palette.color(QPalette::Midlight));
      break;
    case Look::ResultBoxGrey:
      box(QColor(224, 224, 224));
      break;
    case Look::Warning:
      label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label.setWordWrap(true);
      palette.setColor(QPalette::WindowText, warningColour());
      break;
  }
  label.setPalette(palette);
}

}  // namespace kestrion::ui
