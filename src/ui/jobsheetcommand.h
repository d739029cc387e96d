// kestrion --job-sheet FILE.pdf: the job sheet without a window or display,
// from the state kestrion-cli's EVENTs give.
#pragma once

#include <QString>
#include <QStringList>

#include "calc/magnetic.h"

namespace kestrion::ui {

struct JobSheetRequest {
  QString path;
  calc::CalendarDate date;
  QString offsetAngle;  // as typed, "0" when not given
  QString siteName;
  QStringList events;
};

// Exit status: 0 written; 2 bad input or a file that cannot be written, with
// one line on stderr.
// The sheet of a Session given the date and offset angle, loaded and run
// event by event as kestrion-cli runs them.
int writeJobSheetHeadless(const JobSheetRequest& request);

// Before the application starts: with --job-sheet, --version or --help no
// display is needed, so take the offscreen platform unless one was chosen.
void chooseHeadlessPlatform(int argc, const char* const* argv);

}  // namespace kestrion::ui
