#include "desktop/desktop_actions.h"

#include "desktop/about_window.h"
#include "desktop/shell_to_browser.h"
#include "product.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace kestrion::desktop {

DesktopActions::DesktopActions(QWidget* mainWindow, DesktopService& desktop, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), desktop_(desktop) {
  mainWindow_->installEventFilter(this);
  // However the event loop is asked to end, no About window outlives it.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { delete about_.data(); });
}

DesktopActions::~DesktopActions() {
  delete about_.data();
}

void DesktopActions::showAbout() {
  if (about_.isNull()) {
    // Owned by the main window, so it never outlives it; it still does not
    // keep the program running when the main window is closed.
    about_ = new AboutWindow(mainWindow_);
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(about_, &AboutWindow::homePageRequested, this,
            [this] { ShellToBrowser(desktop_, about_, std::string(kHomePage), 0); });
  }
  // A hidden window comes to the front as it is shown; one already shown
  // behind the main window is brought forward.
  if (about_->isVisible()) {
    about_->raise();
  } else {
    about_->show();
  }
  about_->activateWindow();
}

void DesktopActions::openHomePage() {
  ShellToBrowser(desktop_, mainWindow_, std::string(kHomePage), 0);
}

void DesktopActions::openFootprintPage() {
  ShellToBrowser(desktop_, mainWindow_, footprintPage(), 0);
}

bool DesktopActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && event->type() == QEvent::Close) {
    closeAbout();
  }
  return QObject::eventFilter(watched, event);
}

void DesktopActions::closeAbout() {
  // Hidden at once, destroyed later: Qt may still be walking its list of
  // windows (closing them all on quit) when this runs.
  if (!about_.isNull()) {
    about_->hide();
    about_->deleteLater();
  }
}

}  // namespace kestrion::desktop
