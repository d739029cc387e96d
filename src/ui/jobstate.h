// What the copied text and the job sheet report: the window's texts and the
// pointing aids shown beside them, at one moment.
#pragma once

#include "qtext.h"
#include "session/report.h"

namespace kestrion::ui {

using JobState = ReportState;

// The report in the user's language, through Qt's translations.
inline Report reportOf(const JobState& state) {
  return {state, &translatedText};
}
// The report reads the state as it is asked: keep the state while it does.
Report reportOf(JobState&& state) = delete;

}  // namespace kestrion::ui
