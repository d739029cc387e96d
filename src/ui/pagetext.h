// Each page's quantities as caption, value and unit: the lines Ctrl+C copies
// and the rows of the job sheet, so both say the same as the window.
#pragma once

#include "engine/pointing.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

#include "jobstate.h"

namespace kestrion::ui {

struct Quantity {
  QString caption;  // without the unit the window's caption ends with
  QString value;
  QString unit;  // empty when the value carries its own
};

class PageText {
  Q_DECLARE_TR_FUNCTIONS(PageText)

 public:
  // One of the model's texts, with its caption.
  static Quantity quantity(const Window& window, Value id);

  // The page's inputs, then its results, then what else it reports: the
  // alignment page its pointing aids, the C/N page its rain option.
  static std::vector<Quantity> quantities(int page, const JobState& state);

  // The site in degrees, minutes and seconds and the satellite's name; the
  // compass and the dish face's aids.
  static std::vector<Quantity> siteAids(const JobState& state);
  static std::vector<Quantity> pointingAids(const JobState& state);
  static Quantity rainOption(const Window& window);

  // The declination ("3.78° E") and the face tilt ("20.75° leans back") in
  // the user's language, as the window and the sheet show them.
  static QString declination(const Pointing& p);
  static QString faceTilt(const Pointing& p);

  // "caption<TAB>value unit", a line each: two columns in a spreadsheet.
  // Boxes the page leaves empty are left out.
  static QString copyText(int page, const JobState& state);
};

}  // namespace kestrion::ui
