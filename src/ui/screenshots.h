// Pictures of the window with each page shown in turn, for the documentation.
#pragma once

#include <QString>

namespace kestrion::ui {

class MainWindow;

// Writes dir/page-0.png ... page-5.png; false with a message on failure.
bool writeScreenshots(MainWindow& window, const QString& dir, QString* error);

}  // namespace kestrion::ui
