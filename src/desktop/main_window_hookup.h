// Connects a main window's requests to the desktop actions. The window needs
// the signals aboutRequested(), homePageRequested() and
// footprintPageRequested().
#pragma once

#include "desktop/desktop_actions.h"

#include <QObject>

namespace kestrion::desktop {

template <typename MainWindow>
void connectMainWindow(MainWindow& window, DesktopActions& actions) {
  QObject::connect(&window, &MainWindow::aboutRequested, &actions, &DesktopActions::showAbout);
  QObject::connect(&window, &MainWindow::homePageRequested, &actions,
                   &DesktopActions::openHomePage);
  QObject::connect(&window, &MainWindow::footprintPageRequested, &actions,
                   &DesktopActions::openFootprintPage);
}

}  // namespace kestrion::desktop
