#include "screenshots.h"

#include <QDir>
#include <QPixmap>

#include "layout.h"
#include "mainwindow.h"
#include "rainavailabilitydialog.h"
#include "tabcontrol.h"

namespace kestrion::ui {

bool writeScreenshots(MainWindow& window, const QString& dir, QString* error) {
  if (!QDir().mkpath(dir)) {
    *error = QStringLiteral("cannot create %1").arg(dir);
    return false;
  }
  TabControl* tabs = window.tabControl();
  const int shown = tabs->currentIndex();
  for (int page = 0; page < kPageCount; ++page) {
    tabs->setCurrentIndex(page);
    const QString path = QDir(dir).filePath(QStringLiteral("page-%1.png").arg(page));
    if (!window.grab().save(path)) {
      *error = QStringLiteral("cannot write %1").arg(path);
      return false;
    }
  }
  tabs->setCurrentIndex(shown);
  // The rain availability section too, once EVENTs have set it up.
  if (window.rainFade()) {
    window.openRainAvailability();
    const QString path = QDir(dir).filePath(QStringLiteral("rain-availability.png"));
    if (!window.rainAvailability()->grab().save(path)) {
      *error = QStringLiteral("cannot write %1").arg(path);
      return false;
    }
  }
  return true;
}

}  // namespace kestrion::ui
