#include "jobsheetcommand.h"

#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "jobsheet.h"
#include "localclock.h"
#include "qtext.h"
#include "session/event.h"
#include "session/session.h"

namespace kestrion::ui {
namespace {

int refuse(const QString& message) {
  std::fprintf(stderr, "kestrion: %s\n", qPrintable(message));
  return 2;
}

}  // namespace

int writeJobSheetHeadless(const JobSheetRequest& request) {
  const auto offsetTenths = parseOffsetTenths(request.offsetAngle.toStdString());
  if (!offsetTenths) {
    return refuse(QStringLiteral("--offset-angle %1 is not an offset angle; allowed: 0 to 45 "
                                 "degrees with at most one decimal")
                      .arg(toQString(quotedText(request.offsetAngle.toStdString()))));
  }
  // The sheet prints the name on one line.
  const bool oneLine = std::none_of(request.siteName.begin(), request.siteName.end(),
                                    [](QChar c) { return c.category() == QChar::Other_Control; });
  if (!oneLine) {
    return refuse(QStringLiteral("--site %1 holds a line break or another control character; "
                                 "allowed: a name on one line")
                      .arg(toQString(quotedText(request.siteName.toStdString()))));
  }
  Session session(request.date, *offsetTenths);
  RunResult result = session.load();
  // The rain fade's events set up its page, as in kestrion-cli's state.
  for (auto event = request.events.begin();
       result.status == RunStatus::ran && event != request.events.end(); ++event) {
    result = session.run(event->toStdString());
  }
  if (result.status != RunStatus::ran) {
    return refuse(toQString(result.message));
  }
  JobState state = session.reportState(request.siteName.toStdString());
  state.clock = localClock();
  QString error;
  if (!JobSheet(state).writePdf(request.path, JobSheet::paperFor(QLocale::system()), &error)) {
    return refuse(error);
  }
  return 0;
}

void chooseHeadlessPlatform(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    // Printing the version or the help needs no display either.
    if ((std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "--help") == 0 ||
         std::strcmp(argv[i], "-h") == 0) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (std::strcmp(argv[i], "--job-sheet") == 0 ||
        std::strncmp(argv[i], "--job-sheet=", 12) == 0) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
      }
      // A script reads one line on stderr when something is wrong; Qt's
      // notes on the environment (no runtime folder, no session bus) would
      // get in its way. Critical messages still show.
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
          std::fprintf(stderr, "%s\n", qPrintable(text));
        }
      });
      return;
    }
  }
}

}  // namespace kestrion::ui
