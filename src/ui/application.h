// The GUI program: the main window, or its screenshots with --screenshot DIR.
#pragma once

#include <functional>

class QApplication;

namespace kestrion::ui {

class MainWindow;

// Parses the command line, shows the main window and runs the event loop.
// `attach` hooks the program's other windows and services to the main window
// before it is shown.
int run(QApplication& app, const std::function<void(MainWindow&)>& attach = {});

}  // namespace kestrion::ui
