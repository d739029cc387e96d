// kestrion: the calculator's window.
#include <QApplication>
#include <QTimer>

#include <memory>

#include "desktop/desktop_actions.h"
#include "desktop/desktop_service.h"
#include "desktop/main_window_hookup.h"
#include "ui/application.h"
#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);

  // The About window and the web links, hooked to the main window that run()
  // makes, as soon as the event loop starts with it.
  const auto desktop = kestrion::desktop::makeSystemDesktopService();
  std::unique_ptr<kestrion::desktop::DesktopActions> actions;
  QTimer::singleShot(0, &app, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = qobject_cast<kestrion::ui::MainWindow*>(widget)) {
        actions = std::make_unique<kestrion::desktop::DesktopActions>(window, *desktop);
        kestrion::desktop::connectMainWindow(*window, *actions);
      }
    }
  });
  return kestrion::ui::run(app);
}
