#include "application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>

#include "mainwindow.h"
#include "product.h"
#include "qtext.h"
#include "screenshots.h"

namespace kestrion::ui {

int run(QApplication& app, const std::function<void(MainWindow&)>& attach) {
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
      QStringLiteral("Write an image of each page into <dir> and exit."), QStringLiteral("dir"));
  parser.addOption(screenshot);
  parser.process(app);
  if (parser.isSet(version)) {
    std::printf("kestrion %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
    return 0;
  }

  MainWindow window;
  if (attach) {
    attach(window);
  }
  window.show();
  if (parser.isSet(screenshot)) {
    QString error;
    if (!writeScreenshots(window, parser.value(screenshot), &error)) {
      std::fprintf(stderr, "kestrion: %s\n", qPrintable(error));
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}

}  // namespace kestrion::ui
