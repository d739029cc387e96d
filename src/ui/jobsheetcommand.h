// kestrion --job-sheet FILE.pdf: the job sheet without a window or display,
// from the state kestrion-cli's EVENTs give.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/magnetic.h"
#include "engine/angle_text.h"
#include "engine/calculator.h"
#include "session/rain_fade_inputs.h"

namespace kestrion::ui {

// Parses and runs one event on the calculator; on failure one line saying
// what was wrong and what is allowed. The program passes kestrion-cli's own,
// so that both take the same events.
using EventRunner = std::function<std::optional<std::string>(Calculator&, std::string_view text,
                                                             const SatelliteLookup& lookup)>;

// Runs one EVENT as kestrion-cli does: a rain fade input ("frequency:=12")
// on the rain fade, started then if need be; any other through the runner.
std::optional<std::string> runWindowEvent(const EventRunner& runner, Calculator& calculator,
                                          std::optional<RainFadeInputs>& rainFade,
                                          std::string_view text, const SatelliteLookup& lookup);

struct JobSheetRequest {
  QString path;
  calc::CalendarDate date;
  QString offsetAngle;  // as typed, "0" when not given
  QString siteName;
  QStringList events;
};

// Exit status: 0 written; 2 bad input or a file that cannot be written, with
// one line on stderr.
int writeJobSheetHeadless(const JobSheetRequest& request, const EventRunner& runner);

// Before the application starts: with --job-sheet, --version or --help no
// display is needed, so take the offscreen platform unless one was chosen.
void chooseHeadlessPlatform(int argc, const char* const* argv);

}  // namespace kestrion::ui
