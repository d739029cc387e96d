#include "desktop/about_window.h"

#include "product.h"
#include "ui/linklabel.h"
#include "ui/picture.h"
#include "ui/qtext.h"
#include "ui/twips.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kestrion::desktop {

namespace {

// The About window's layout, in twips like the main window's.
const QSize kClientArea{ui::toPixels(4680), ui::toPixels(3795)};
const QRect kImage1 = ui::toPixels({360, 240, 3750, 795});
const QRect kLabel1 = ui::toPixels({360, 1320, 3855, 615});
const QRect kLabel2 = ui::toPixels({1200, 2280, 1575, 375});
const QRect kCommand1 = ui::toPixels({3360, 2520, 975, 375});
const QRect kLabel4 = ui::toPixels({600, 3480, 1095, 255});

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
  setWindowTitle(tr("About Kestrion"));
  setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
  setFixedSize(kClientArea);
  QFont standard = font();
  standard.setPointSizeF(8.25);
  setFont(standard);
  // The face colour of buttons. Set as the window colour rather than as the
  // background role, which would also turn the labels' text to ButtonText.
  QPalette facePalette = palette();
  facePalette.setColor(QPalette::Window, facePalette.color(QPalette::Button));
  setPalette(facePalette);

  auto* logo = new ui::Picture(QStringLiteral(":/artwork/logo.svg"), this);
  logo->setObjectName(QStringLiteral("Image1"));
  logo->setGeometry(kImage1);

  auto* notice = plainLabel("Label1", tr(layout::kAboutNotice.data()), kLabel1, this);
  notice->setWordWrap(true);

  auto* link = new ui::LinkLabel(ui::toQString(kHomePage), this);
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
  connect(link, &ui::LinkLabel::clicked, this, &AboutWindow::homePageRequested);

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setGeometry(kCommand1);
  close->setFocus();
  // Close only hides: the window is kept and shown again by the next About.
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  plainLabel("Label4", ui::toQString(kVersionCaption), kLabel4, this);
}

}  // namespace kestrion::desktop
