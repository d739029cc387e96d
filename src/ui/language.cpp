#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "layout.h"
#include "qtext.h"
#include "session/report.h"

namespace kestrion::ui {
namespace {

const QString kCatalogues = QStringLiteral(":/i18n");

// Kestrion's own texts and Qt's (the buttons of its dialogs), both owned by
// the application.
void install(QCoreApplication& app, const QLocale& locale) {
  auto* own = new QTranslator(&app);
  if (own->load(locale, QStringLiteral("kestrion"), QStringLiteral("_"), kCatalogues)) {
    QCoreApplication::installTranslator(own);
  } else {
    delete own;
    return;  // English: Qt's own texts are English too
  }
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
}

}  // namespace

QStringList translatedLanguages() {
  QStringList codes;
  for (const QString& file : QDir(kCatalogues).entryList({QStringLiteral("kestrion_*.qm")})) {
    codes << file.mid(9, file.size() - 9 - 3);
  }
  return codes;
}

bool installLanguage(QCoreApplication& app, const QString& code) {
  if (code.isEmpty()) {
    install(app, QLocale::system());
    return true;
  }
  if (code == QLatin1String("en")) {
    return true;
  }
  if (!translatedLanguages().contains(code)) {
    return false;
  }
  install(app, QLocale(code));
  return true;
}

CompassLetters compassLetters() {
  return compassLettersIn(&translatedText);
}

}  // namespace kestrion::ui
