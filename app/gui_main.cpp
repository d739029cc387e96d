// kestrion: the calculator's window.
#include <QApplication>
#include <memory>

#include "desktop/desktop_actions.h"
#include "desktop/desktop_service.h"
#include "desktop/main_window_hookup.h"
#include "ui/application.h"
#include "ui/jobsheetcommand.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  kestrion::ui::chooseHeadlessPlatform(argc, argv);
  QApplication app(argc, argv);
  const auto desktop = kestrion::desktop::makeSystemDesktopService();
  std::unique_ptr<kestrion::desktop::DesktopActions> actions;
  return kestrion::ui::run(app, [&](kestrion::ui::MainWindow& window) {
    actions = std::make_unique<kestrion::desktop::DesktopActions>(&window, *desktop);
    kestrion::desktop::connectMainWindow(window, *actions);
  });
}
