// The report (Copy's lines, the job sheet's words) as one JSON object.
#pragma once

#include <string>

#include "session/report.h"

namespace kestrion::api {

std::string reportJson(const Report& report, const ReportState& state);
// Only the pointing aids in words.
std::string aidsJson(const Report& report, const ReportState& state);

}  // namespace kestrion::api
