#include "desktop/about_window.h"

#include "desktop/artwork.h"
#include "desktop/link_label.h"
#include "model/web_addresses.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kestrion::desktop {

namespace {

// Positions are kept in twips as designed and converted once, at 15 twips
// to the pixel.
constexpr int kTwipsPerPixel = 15;

constexpr QRect twips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

constexpr QSize kClientArea{4680 / kTwipsPerPixel, 3795 / kTwipsPerPixel};
constexpr QRect kImage1 = twips(360, 240, 3750, 795);
constexpr QRect kLabel1 = twips(360, 1320, 3855, 615);
constexpr QRect kLabel2 = twips(1200, 2280, 1575, 375);
constexpr QRect kCommand1 = twips(3360, 2520, 975, 375);
constexpr QRect kLabel4 = twips(600, 3480, 1095, 255);

constexpr const char* kNotice =
    "Kestrion is free: you may copy it and pass it on to anyone you like. "
    "The latest version can always be downloaded from :";

QLabel* plainLabel(const char* name, const QString& text, const QRect& where, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(where);
  return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("About Kestrion"));
  setWindowIcon(applicationIcon());
  setFixedSize(kClientArea);
  QFont standard = font();
  standard.setPointSizeF(8.25);
  setFont(standard);
  // The face colour of buttons. Set as the window colour rather than as the
  // background role, which would also turn the labels' text to ButtonText.
  QPalette facePalette = palette();
  facePalette.setColor(QPalette::Window, facePalette.color(QPalette::Button));
  setPalette(facePalette);

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setPixmap(logoPixmap(devicePixelRatioF()));
  logo->setGeometry(kImage1);

  auto* notice = plainLabel("Label1", QString::fromLatin1(kNotice), kLabel1, this);
  notice->setWordWrap(true);

  auto* link = new LinkLabel(QString::fromLatin1(kHomePage), this);
  link->setObjectName(QStringLiteral("Label2"));
  link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The whole address must be readable whatever host the build was
  // configured with: the label grows to its text, and is no taller than one
  // line so that it stays clear of the button below it.
  QRect linkArea = kLabel2;
  const QSize textSize = link->sizeHint();
  linkArea.setWidth(std::max(linkArea.width(), textSize.width()));
  linkArea.setHeight(std::min(linkArea.height(), textSize.height()));
  link->setGeometry(linkArea);
  connect(link, &LinkLabel::clicked, this, &AboutWindow::homePageRequested);

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setGeometry(kCommand1);
  close->setFocus();
  // Close only hides: the window is kept and shown again by the next About.
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  plainLabel("Label4", QStringLiteral("Version 3.02"), kLabel4, this);
}

}  // namespace kestrion::desktop
