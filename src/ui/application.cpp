#include "application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QIcon>
#include <cstdio>
#include <optional>

#include "jobsheetcommand.h"
#include "language.h"
#include "mainwindow.h"
#include "product.h"
#include "qtext.h"
#include "screenshots.h"
#include "session/event.h"

namespace kestrion::ui {

int run(QApplication& app, const std::function<void(MainWindow&)>& attach,
        const EventRunner& events) {
  QApplication::setOrganizationName(QStringLiteral("Kestrion"));
  QApplication::setApplicationName(QStringLiteral("Kestrion"));
  QApplication::setApplicationVersion(toQString(kVersion));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Calculator for satellite-TV receiving installations"));
  parser.addHelpOption();
  // The program's own name, whatever the application is called.
  const QCommandLineOption version(QStringLiteral("version"),
                                   QStringLiteral("Print the version and exit."));
  parser.addOption(version);
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Write an image of each page into <dir>, and of the rain availability once "
                     "EVENTs set it up, and exit."),
      QStringLiteral("dir"));
  parser.addOption(screenshot);
  const QCommandLineOption date(
      QStringLiteral("date"),
      QStringLiteral("Work out the magnetic declination for <date> (YYYY-MM-DD, 1900 to 2100), "
                     "not today."),
      QStringLiteral("date"));
  parser.addOption(date);
  const QCommandLineOption language(
      QStringLiteral("lang"),
      QStringLiteral("Show the window in language <code> (en, %1) instead of the desktop's.")
          .arg(translatedLanguages().join(QStringLiteral(", "))),
      QStringLiteral("code"));
  parser.addOption(language);
  const QCommandLineOption jobSheet(
      QStringLiteral("job-sheet"),
      QStringLiteral("Write the job sheet of the state the EVENTs give (as kestrion-cli's) into "
                     "<file> as PDF, without a display, and exit."),
      QStringLiteral("file"));
  parser.addOption(jobSheet);
  const QCommandLineOption offsetAngle(
      QStringLiteral("offset-angle"),
      QStringLiteral("With --job-sheet: the dish's offset angle, 0 to 45 degrees (default 0)."),
      QStringLiteral("deg"), QStringLiteral("0"));
  parser.addOption(offsetAngle);
  const QCommandLineOption site(QStringLiteral("site"),
                                QStringLiteral("With --job-sheet: the site's name on the sheet."),
                                QStringLiteral("name"));
  parser.addOption(site);
  parser.addPositionalArgument(
      QStringLiteral("events"),
      QStringLiteral("With --job-sheet or --screenshot: kestrion-cli's EVENTs."),
      QStringLiteral("[EVENT...]"));
  parser.process(app);
  if (parser.isSet(version)) {
    std::printf("kestrion %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
    return 0;
  }

  std::optional<calc::CalendarDate> onDate;
  if (parser.isSet(date)) {
    const std::string typed = parser.value(date).toStdString();
    onDate = parseDate(typed);
    if (!onDate) {
      std::fprintf(stderr, "kestrion: --date %s %s\n", quotedText(typed).c_str(),
                   dateProblem(typed).c_str());
      return 2;
    }
  }

  const QString code = parser.value(language);
  if (!installLanguage(app, code)) {
    std::fprintf(stderr,
                 "kestrion: no translation for language \"%s\"; showing English (known: en, %s)\n",
                 qPrintable(code), qPrintable(translatedLanguages().join(QStringLiteral(", "))));
  }
  if (parser.isSet(jobSheet) && !events) {
    std::fprintf(stderr, "kestrion: this build cannot run EVENTs, so --job-sheet is refused\n");
    return 2;
  }
  if (parser.isSet(jobSheet)) {
    const QDate now = QDate::currentDate();
    return writeJobSheetHeadless(
        {parser.value(jobSheet),
         onDate.value_or(calc::CalendarDate{now.year(), now.month(), now.day()}),
         parser.value(offsetAngle), parser.value(site), parser.positionalArguments()},
        events);
  }
  if (parser.isSet(offsetAngle) || parser.isSet(site)) {
    std::fprintf(stderr,
                 "kestrion: --offset-angle and --site go with --job-sheet only; see --help\n");
    return 2;
  }
  if (!parser.positionalArguments().isEmpty() && (!parser.isSet(screenshot) || !events)) {
    std::fprintf(stderr, "kestrion: EVENTs go with --job-sheet or --screenshot only; see --help\n");
    return 2;
  }

  MainWindow window;
  if (onDate) {
    window.setDate(*onDate);
  }
  if (attach) {
    attach(window);
  }
  window.show();
  if (parser.isSet(screenshot)) {
    QString error;
    if (!window.runEvents(parser.positionalArguments(), events, &error)) {
      std::fprintf(stderr, "kestrion: %s\n", qPrintable(error));
      return 2;
    }
    if (!writeScreenshots(window, parser.value(screenshot), &error)) {
      std::fprintf(stderr, "kestrion: %s\n", qPrintable(error));
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}

}  // namespace kestrion::ui
