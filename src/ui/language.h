// The language of the window: the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), or the one asked for with --lang. English needs no translation.
#pragma once

#include <QString>
#include <QStringList>

#include "engine/angle_text.h"

class QCoreApplication;

namespace kestrion::ui {

// The languages Kestrion is translated into, besides English.
QStringList translatedLanguages();

// Installs the translations of `code` ("de", "pl", …), or of the desktop's
// language when `code` is empty. False when `code` names no language that
// Kestrion has; the window then stays in English.
bool installLanguage(QCoreApplication& app, const QString& code);

// The compass letters of the language in use: the rose's letters as
// translated, so that the rose, the declination, the typed angles and the
// rows of degrees, minutes and seconds agree. English for a translation that
// is no single capital.
CompassLetters compassLetters();

}  // namespace kestrion::ui
