// The job sheet: one page with the site, the pointing, the alignment
// pictures and the link budget, for the customer or the next visit, and a
// second with the rain availability once set up. Drawn in points onto any
// paint device, so the printer and the PDF get vectors.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <vector>

#include "jobstate.h"

class QPainter;
class QPrinter;

namespace kestrion::ui {

class JobSheet {
  Q_DECLARE_TR_FUNCTIONS(JobSheet)

 public:
  explicit JobSheet(const JobState& state) : state_(state) {}

  // A4, or Letter where Letter is the usual paper.
  static QPageSize paperFor(const QLocale& locale);

  // One page, or two once the rain availability is set up: it has the
  // second to itself, so the first stays as it was. The sun and the motor,
  // once asked for, take the pages after it, as many as they fill.
  [[nodiscard]] int pageCount(
      const QSizeF& paperPoints = QPageSize(QPageSize::A4).size(QPageSize::Point)) const;

  // Draws one page onto the painter's device: `paper` is the whole sheet in
  // device units, `paperPoints` its size in points.
  void paint(QPainter& painter, const QRectF& paper, const QSizeF& paperPoints, int page = 0) const;

  // Writes the PDF as writeWhole does ("-" is standard output; a file is
  // replaced whole, a device or a FIFO written in place); on failure `error`
  // says what went wrong.
  bool writePdf(const QString& path, const QPageSize& paper, QString* error) const;
  bool print(QPrinter& printer, QString* error) const;

 private:
  // Rows [firstRow, endRow) of one of the report's sections.
  struct Part {
    std::size_t section;
    std::size_t firstRow;
    std::size_t endRow;
  };
  using Page = std::vector<Part>;
  static std::vector<Page> laterPages(const std::vector<ReportSection>& sections, double width,
                                      double height);

  void paintFirst(QPainter& p, const Report& report, double width, double height) const;
  static void paintRain(QPainter& p, const Report& report, double width, double height);
  static void paintLater(QPainter& p, const Report& report,
                         const std::vector<ReportSection>& sections, const Page& page, double width,
                         double height);

  const JobState& state_;
};

}  // namespace kestrion::ui
