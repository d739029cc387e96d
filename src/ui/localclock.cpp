#include "localclock.h"

#include <QTimeZone>
#include <cmath>

namespace kestrion::ui {
namespace {

constexpr double kUnixEpoch = 2440587.5;  // the Julian Date of 1970-01-01 00:00 UTC

}  // namespace

QDateTime localTime(calc::UtcTime t) {
  const double seconds = ((t.midnight - kUnixEpoch) + t.days) * 86400;
  return QDateTime::fromSecsSinceEpoch(std::llround(seconds), QTimeZone::systemTimeZone());
}

ReportClock localClock() {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  const QString id = QString::fromUtf8(zone.id());
  const QString now = QDateTime::currentDateTime().timeZoneAbbreviation();
  // Summer time may change the abbreviation within the year; the id holds.
  const QString name = id.isEmpty() || id == now ? now : id + QStringLiteral(" (") + now + ')';
  return {[](calc::UtcTime t) {
            const QDateTime local = localTime(t);
            return ClockReading{local.toString(QStringLiteral("yyyy-MM-dd")).toStdString(),
                                local.toString(QStringLiteral("HH:mm")).toStdString()};
          },
          name.toStdString()};
}

}  // namespace kestrion::ui
