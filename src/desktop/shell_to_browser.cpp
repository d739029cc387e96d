#include "desktop/shell_to_browser.h"

#include "desktop/desktop_service.h"
#include "product.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <utility>

namespace kestrion::desktop {

namespace {

// One piece of a message, in the user's language.
std::string piece(const char* text) {
  return QCoreApplication::translate("Browser", text).toStdString();
}

}  // namespace

std::string browserFailureMessage(const OpenResult& result, const std::string& address) {
  // The pieces follow each other with nothing in between.
  switch (result.outcome) {
    case OpenOutcome::Opened:
      return {};
    case OpenOutcome::NoAssociation:
      return std::string(kTitle) +
             piece(QT_TRANSLATE_NOOP("Browser", " could not find a file association for ")) +
             address +
             piece(QT_TRANSLATE_NOOP("Browser",
                                     " on your system. You should check that your browser")) +
             piece(QT_TRANSLATE_NOOP(
                 "Browser", "is correctly installed and associated with this type of file."));
    case OpenOutcome::Failed:
      break;
  }
  return std::string(kTitle) +
         piece(QT_TRANSLATE_NOOP("Browser", " had a problem running your web browser.")) +
         piece(QT_TRANSLATE_NOOP("Browser",
                                 "You should check that your browser is correctly installed.")) +
         piece(QT_TRANSLATE_NOOP("Browser", "(Error")) + std::to_string(result.code) +
         piece(QT_TRANSLATE_NOOP("Browser", ")"));
}

bool ShellToBrowser(DesktopService& desktop, QWidget* owner, std::string address,
                    std::int16_t showCommand) {
  OpenRequest request;
  request.owner = owner;
  request.verb = "open";
  request.file = std::move(address);
  request.parameters = "";
  request.directory = QCoreApplication::applicationDirPath().toLocal8Bit().toStdString();
  request.showCommand = showCommand;

  const OpenResult result = desktop.open(request);
  if (result.outcome == OpenOutcome::Opened) {
    return true;
  }

  QMessageBox box(
      QMessageBox::Warning, QCoreApplication::translate("Browser", kBrowserUnavailableTitle),
      QString::fromUtf8(browserFailureMessage(result, request.file)), QMessageBox::Ok, owner);
  // The address is shown as it is, never interpreted as markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return false;
}

}  // namespace kestrion::desktop
