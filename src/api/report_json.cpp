#include "api/report_json.h"

#include <nlohmann/json.hpp>
#include <utility>

namespace kestrion::api {
namespace {

using Json = nlohmann::ordered_json;

// The site's name and the translations come from the caller: a byte that is
// no UTF-8 shows as U+FFFD, as a browser shows it, instead of ending the call.
std::string text(const Json& j) {
  return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json rows(const std::vector<Quantity>& quantities) {
  Json list = Json::array();
  for (const Quantity& q : quantities) {
    list.push_back({{"id", q.id},
                    {"caption", q.caption},
                    {"value", q.value},
                    {"unit", q.unit},
                    {"shown", q.valueWithUnit()}});
  }
  return list;
}

Json sheet(const Report& report) {
  const Report::SheetTexts texts = report.sheetTexts();
  Json sections = Json::array();
  for (const ReportSection& section : report.sheetSections()) {
    sections.push_back({{"id", section.id},
                        {"heading", section.heading},
                        {"captionShare", section.captionShare},
                        {"rows", rows(section.rows)}});
  }
  return {{"title", texts.title},
          {"date", texts.date},
          {"site", texts.site},
          {"sections", std::move(sections)},
          {"pictureCaptions", texts.pictureCaptions},
          {"notes", texts.notes},
          {"signatures", texts.signatures},
          {"footer", texts.footer}};
}

// The face tilt as a signed number (leaning back positive) for a view that
// compares it with a measurement; null where the page shows none.
Json faceTiltDegrees(const ReportState& state) {
  if (state.pointing.faceTilt.empty()) {
    return nullptr;
  }
  return static_cast<double>(state.pointing.tiltHundredths) / 100;
}

Json aids(const Report& report, const ReportState& state) {
  return {{"satelliteName", state.satelliteName},    {"declination", report.declination()},
          {"faceTilt", report.faceTilt()},           {"faceTiltDegrees", faceTiltDegrees(state)},
          {"skewDirection", report.skewDirection()}, {"shortWarnings", report.shortWarnings()}};
}

}  // namespace

std::string reportJson(const Report& report, const ReportState& state) {
  Json pages = Json::array();
  for (int page = 0; page < kPageCount; ++page) {
    pages.push_back({{"rows", rows(report.quantities(page))}, {"copy", report.copyText(page)}});
  }
  Json j = aids(report, state);
  j["pages"] = std::move(pages);
  j["sheet"] = sheet(report);
  if (state.rainFade != nullptr) {
    // The window's rain-availability section: the results it shows beside
    // its inputs with their warnings, and the basis as the job sheet gives it.
    j["rainFade"] = {{"basis", rows(report.rainFadeBasis())},
                     {"results", rows(report.rainFadeResults())},
                     {"warnings", report.rainFadeWarnings()}};
    const Report::RainFadeNotes notes = report.rainFadeNotes();
    Json tilts = Json::array();
    for (const Report::RainFadeAction& a : notes.tiltFromSkew) {
      tilts.push_back({{"caption", a.caption}, {"event", a.event}});
    }
    j["rainFade"]["notes"] = {{"basis", notes.basis},
                              {"example", notes.example},
                              {"meanings", notes.meanings},
                              {"tiltFromSkew", std::move(tilts)}};
  }
  return text(j);
}

std::string aidsJson(const Report& report, const ReportState& state) {
  return text(aids(report, state));
}

}  // namespace kestrion::api
