// Moments on this computer's clock: the sun's times in the window and on
// the job sheet show in its time zone, and the sheet names the zone.
#pragma once

#include <QDateTime>

#include "calc/sun.h"
#include "session/report.h"

namespace kestrion::ui {

QDateTime localTime(calc::UtcTime t);
// The report's clock in the system's time zone, named by its id
// ("Europe/Berlin") and its abbreviation now.
ReportClock localClock();

}  // namespace kestrion::ui
