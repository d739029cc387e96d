// The GUI program: the main window, or its screenshots with --screenshot DIR.
#pragma once

class QApplication;

namespace kestrion::ui {

int run(QApplication& app);

}  // namespace kestrion::ui
