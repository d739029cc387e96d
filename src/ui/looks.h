// Fonts, colours and borders of the window's controls.
#pragma once

#include <QFont>
#include <QPalette>

#include "layout.h"

class QLabel;

namespace kestrion::ui {

// "MS Sans Serif" where it exists, otherwise the platform's sans-serif.
QFont controlFont(FontSize size = FontSize::Normal);

// The window's grey, with the bevel and highlight colours derived from it.
QPalette windowPalette();

void applyLook(QLabel& label, Look look);

// The red of the warnings on the page.
QColor warningColour();

}  // namespace kestrion::ui
