// What the copied text and the job sheet report: the window's texts and the
// pointing aids shown beside them, at one moment.
#pragma once

#include <QString>
#include <string>

#include "engine/pointing.h"
#include "model/window.h"

namespace kestrion::ui {

struct JobState {
  const Window& window;
  Pointing pointing;
  calc::CalendarDate date;
  int offsetTenths = 0;
  std::string satelliteName;  // when the satellite was typed or saved by name
  QString siteName;           // the saved site last chosen or saved, if any
};

}  // namespace kestrion::ui
