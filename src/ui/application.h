// The GUI program: the main window, or its screenshots with --screenshot DIR.
#pragma once

#include <functional>

#include "jobsheetcommand.h"

class QApplication;

namespace kestrion::ui {

class MainWindow;

// Parses the command line, shows the main window and runs the event loop.
// `attach` hooks the program's other windows and services to the main window
// before it is shown. `events` runs --job-sheet's EVENTs; without it there is
// no headless job sheet.
int run(QApplication& app, const std::function<void(MainWindow&)>& attach = {},
        const EventRunner& events = {});

}  // namespace kestrion::ui
