#include "application.h"

#include <QApplication>
#include <QCommandLineParser>
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
#include "session/session.h"

namespace kestrion::ui {
namespace {

constexpr int kBadInput = 2;

// The program's options, in the order --help lists them.
struct CommandLine {
  QCommandLineParser parser;
  // The program's own name, whatever the application is called.
  QCommandLineOption version{QStringLiteral("version"),
                             QStringLiteral("Print the version and exit.")};
  QCommandLineOption screenshot{
      QStringLiteral("screenshot"),
      QStringLiteral("Write an image of each page into <dir>, and of the rain availability once "
                     "EVENTs set it up, and exit."),
      QStringLiteral("dir")};
  QCommandLineOption date{
      QStringLiteral("date"),
      QStringLiteral("Work out the magnetic declination for <date> (YYYY-MM-DD, 1900 to 2100), "
                     "not today."),
      QStringLiteral("date")};
  QCommandLineOption language{
      QStringLiteral("lang"),
      QStringLiteral("Show the window in language <code> (en, %1) instead of the desktop's.")
          .arg(translatedLanguages().join(QStringLiteral(", "))),
      QStringLiteral("code")};
  QCommandLineOption jobSheet{
      QStringLiteral("job-sheet"),
      QStringLiteral("Write the job sheet of the state the EVENTs give (as kestrion-cli's) into "
                     "<file> as PDF, without a display, and exit."),
      QStringLiteral("file")};
  QCommandLineOption offsetAngle{
      QStringLiteral("offset-angle"),
      QStringLiteral("With --job-sheet: the dish's offset angle, 0 to 45 degrees (default 0)."),
      QStringLiteral("deg"), QStringLiteral("0")};
  QCommandLineOption site{QStringLiteral("site"),
                          QStringLiteral("With --job-sheet: the site's name on the sheet."),
                          QStringLiteral("name")};

  CommandLine() {
    parser.setApplicationDescription(
        QStringLiteral("Calculator for satellite-TV receiving installations"));
    parser.addHelpOption();
    parser.addOptions({version, screenshot, date, language, jobSheet, offsetAngle, site});
    parser.addPositionalArgument(
        QStringLiteral("events"),
        QStringLiteral("With --job-sheet or --screenshot: kestrion-cli's EVENTs."),
        QStringLiteral("[EVENT...]"));
  }
};

void nameApplication() {
  QApplication::setOrganizationName(QStringLiteral("Kestrion"));
  QApplication::setApplicationName(QStringLiteral("Kestrion"));
  QApplication::setApplicationVersion(toQString(kVersion));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
}

// --date, when given: false with a line on stderr when it is no such date.
bool readDate(const CommandLine& line, std::optional<calc::CalendarDate>& onDate) {
  if (!line.parser.isSet(line.date)) {
    return true;
  }
  const std::string typed = line.parser.value(line.date).toStdString();
  onDate = parseDate(typed);
  if (!onDate) {
    std::fprintf(stderr, "kestrion: --date %s %s\n", quotedText(typed).c_str(),
                 dateProblem(typed).c_str());
    return false;
  }
  return true;
}

// An unknown language is no reason to stop: the window shows in English.
void chooseLanguage(QApplication& app, const CommandLine& line) {
  const QString code = line.parser.value(line.language);
  if (!installLanguage(app, code)) {
    std::fprintf(stderr,
                 "kestrion: no translation for language \"%s\"; showing English (known: en, %s)\n",
                 qPrintable(code), qPrintable(translatedLanguages().join(QStringLiteral(", "))));
  }
}

// Options and EVENTs that go with --job-sheet or --screenshot only; false with
// a line on stderr when any was given without them.
bool strayOptions(const CommandLine& line) {
  if (line.parser.isSet(line.offsetAngle) || line.parser.isSet(line.site)) {
    std::fprintf(stderr,
                 "kestrion: --offset-angle and --site go with --job-sheet only; see --help\n");
    return true;
  }
  if (!line.parser.positionalArguments().isEmpty() && !line.parser.isSet(line.screenshot)) {
    std::fprintf(stderr, "kestrion: EVENTs go with --job-sheet or --screenshot only; see --help\n");
    return true;
  }
  return false;
}

int showWindow(const CommandLine& line, std::optional<calc::CalendarDate> onDate,
               const std::function<void(MainWindow&)>& attach) {
  MainWindow window;
  if (onDate) {
    window.setDate(*onDate);
  }
  if (attach) {
    attach(window);
  }
  window.show();
  if (!line.parser.isSet(line.screenshot)) {
    return QApplication::exec();
  }
  QString error;
  if (!window.runEvents(line.parser.positionalArguments(), &error)) {
    std::fprintf(stderr, "kestrion: %s\n", qPrintable(error));
    return kBadInput;
  }
  if (!writeScreenshots(window, line.parser.value(line.screenshot), &error)) {
    std::fprintf(stderr, "kestrion: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}

}  // namespace

int run(QApplication& app, const std::function<void(MainWindow&)>& attach) {
  nameApplication();
  CommandLine line;
  line.parser.process(app);
  if (line.parser.isSet(line.version)) {
    std::printf("kestrion %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
    return 0;
  }
  std::optional<calc::CalendarDate> onDate;
  if (!readDate(line, onDate)) {
    return kBadInput;
  }
  chooseLanguage(app, line);
  if (line.parser.isSet(line.jobSheet)) {
    return writeJobSheetHeadless({line.parser.value(line.jobSheet), onDate.value_or(today()),
                                  line.parser.value(line.offsetAngle), line.parser.value(line.site),
                                  line.parser.positionalArguments()});
  }
  if (strayOptions(line)) {
    return kBadInput;
  }
  return showWindow(line, onDate, attach);
}

}  // namespace kestrion::ui
