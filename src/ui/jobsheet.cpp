#include "jobsheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgRenderer>
#include <algorithm>
#include <array>

#include "layout.h"
#include "pointerlayer.h"
#include "product.h"
#include "qtext.h"
#include "writetarget.h"

namespace kestrion::ui {
namespace {

// Measures in points.
constexpr double kMargin = 42;
constexpr double kGap = 24;
constexpr double kRow = 13;
constexpr int kBody = 9;
constexpr int kHeading = 11;
constexpr int kTitle = 20;

// The first page's tables; the rain availability's follow on the second,
// then the sun's and the motor's on pages of their own.
constexpr std::size_t kFirstPageSections = 4;
constexpr double kFooterRoom = 24;

// The part of the alignment page with its pictures, in twips.
constexpr TwipsRect kPictures{900, 3330, 7050, 2310};

QFont sheetFont(int points, bool bold = false) {
  // Pixel sizes: the painter's units are points, whatever the device.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(points);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  // No ligatures: "ffi" stays three letters for whoever searches the PDF.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// A heading and its rows, caption left and value beside it; returns the
// height used.
double drawTable(QPainter& p, QPointF at, double width, const ReportSection& section) {
  const QString heading = toQString(section.heading);
  const std::vector<Quantity>& rows = section.rows;
  const double captionShare = section.captionShare;
  p.setFont(sheetFont(kHeading, true));
  p.drawText(QRectF(at.x(), at.y(), width, 16), Qt::AlignLeft | Qt::AlignVCenter, heading);
  double y = at.y() + 17;
  p.setPen(QPen(Qt::gray, 0.5));
  p.drawLine(QPointF(at.x(), y), QPointF(at.x() + width, y));
  p.setPen(Qt::black);
  y += 3;
  p.setFont(sheetFont(kBody));
  const double captionWidth = width * captionShare;
  const QFontMetricsF metrics(p.font());
  for (const Quantity& q : rows) {
    p.drawText(QRectF(at.x(), y, captionWidth - 4, kRow), Qt::AlignLeft | Qt::AlignVCenter,
               toQString(q.caption));
    const QString value = q.value.empty() ? QStringLiteral("\u2014") : toQString(q.valueWithUnit());
    // A sentence (the skew's direction) wraps in its column rather than run off it.
    const double h = std::max(kRow, metrics.boundingRect(QRectF(0, 0, width - captionWidth, 1000),
                                                         Qt::TextWordWrap, value)
                                            .height() +
                                        1);
    p.drawText(QRectF(at.x() + captionWidth, y, width - captionWidth, h),
               Qt::TextWordWrap | (h > kRow ? Qt::AlignTop : Qt::AlignVCenter), value);
    y += h;
  }
  return y - at.y();
}

// The three pictures with their compass points and pointers, scaled from
// page pixels into `box`.
void drawPictures(QPainter& p, const QRectF& box, const JobState& state,
                  const std::vector<std::string>& pictureCaptions) {
  const QRect area = toPixels(kPictures);
  const double scale = box.width() / area.width();
  p.save();
  p.translate(box.topLeft());
  p.scale(scale, scale);
  p.translate(-area.topLeft());
  for (const ControlSpec& row : pageControls(kAlignmentPage)) {
    if (row.kind == Kind::Picture) {
      QSvgRenderer(toQString(row.caption)).render(&p, QRectF(toPixels(row.rect)));
    } else if (row.kind == Kind::Label && row.caption.size() == 1) {  // N, W, E, S
      // In the language's letters, as the window's rose has them.
      p.setFont(sheetFont(11));
      p.drawText(QRectF(toPixels(row.rect)), Qt::AlignLeft | Qt::AlignTop,
                 translated("Caption", row.caption));
    }
  }
  PointerLayer::paint(p, state.window, state.pointing.declination, Qt::black, sheetFont(8));
  // What each picture shows, under it.
  p.setPen(Qt::black);
  p.setFont(sheetFont(9));
  // Under the compass, the dish and its side view.
  constexpr std::array<TwipsRect, 3> kCaptionPlaces{{
      {1185, 5415, 1500, 255},
      {3240, 5415, 1500, 255},
      {5625, 4980, 2250, 255},
  }};
  for (std::size_t i = 0; i < kCaptionPlaces.size() && i < pictureCaptions.size(); ++i) {
    p.drawText(QRectF(toPixels(kCaptionPlaces.at(i))).adjusted(-20, 0, 20, 0), Qt::AlignCenter,
               toQString(pictureCaptions[i]));
  }
  p.restore();
}

// The title, date and site, with a rule under them; returns where the page
// goes on.
double drawHeading(QPainter& p, const Report::SheetTexts& texts, double width) {
  double y = kMargin;
  p.setFont(sheetFont(kTitle, true));
  p.drawText(QRectF(kMargin, y, width, 26), Qt::AlignLeft | Qt::AlignVCenter,
             toQString(texts.title));
  p.setFont(sheetFont(kHeading));
  p.drawText(QRectF(kMargin, y, width, 26), Qt::AlignRight | Qt::AlignVCenter,
             toQString(texts.date));
  y += 28;
  // A site name that fits stays on its line as ever; a long one (a street
  // address) wraps onto the lines it needs, none of it cut off.
  const QString site = toQString(texts.site);
  if (QFontMetricsF(p.font()).horizontalAdvance(site) <= width) {
    p.drawText(QRectF(kMargin, y, width, 16), Qt::AlignLeft | Qt::AlignVCenter, site);
    y += 20;
  } else {
    const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF used = p.boundingRect(QRectF(kMargin, y, width, 1000), wrap, site);
    p.drawText(used, wrap, site);
    y += used.height() + 4;
  }
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(QPointF(kMargin, y), QPointF(kMargin + width, y));
  return y + 10;
}

// Warnings in red, a paragraph each, in the painter's font; returns where
// the page goes on.
double drawWarnings(QPainter& p, const std::vector<std::string>& warnings, double y, double width) {
  for (const std::string& warning : warnings) {
    const QRectF room(kMargin, y, width, 40);
    const QRectF used = p.boundingRect(room, Qt::TextWordWrap, toQString(warning));
    p.setPen(QColor(180, 0, 0));
    p.drawText(room, Qt::TextWordWrap, toQString(warning));
    y += used.height() + 3;
  }
  return y;
}

void drawFooter(QPainter& p, const Report::SheetTexts& texts, double width, double height) {
  p.setPen(Qt::gray);
  p.setFont(sheetFont(8));
  p.drawText(QRectF(kMargin, height - kMargin, width, 12), Qt::AlignLeft | Qt::AlignVCenter,
             toQString(texts.footer));
}

bool onRainPage(const ReportSection& section) {
  return section.id.starts_with("rainFade");
}

// A row's value, wrapped to its column when it is a sentence.
double rowHeight(const QFontMetricsF& metrics, const Quantity& q, double valueWidth) {
  const QRectF used = metrics.boundingRect(QRectF(0, 0, valueWidth, 1000), Qt::TextWordWrap,
                                           toQString(q.valueWithUnit()));
  return std::max(kRow, used.height() + 1);
}

double valueWidth(const ReportSection& section, double width) {
  return width - width * section.captionShare;
}

}  // namespace

// The sun's and the motor's tables flow down the page and on to the next,
// a table's heading again where it goes on.
std::vector<JobSheet::Page> JobSheet::laterPages(const std::vector<ReportSection>& sections,
                                                 double width, double height) {
  const QFontMetricsF metrics(sheetFont(kBody));
  const double top = kMargin + 58;
  const double bottom = height - kMargin - kFooterRoom;
  std::vector<Page> pages;
  double y = bottom;
  for (std::size_t s = kFirstPageSections; s < sections.size(); ++s) {
    if (onRainPage(sections[s])) {
      continue;
    }
    const std::vector<Quantity>& rows = sections[s].rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const double h = rowHeight(metrics, rows[r], valueWidth(sections[s], width));
      // A table begun on a page has its heading, after the gap below the last.
      bool begins = r == 0;
      if (y + h + (begins ? 30 : 0) > bottom) {
        pages.emplace_back();
        y = top;
        begins = true;
      }
      if (begins) {
        y += (pages.back().empty() ? 0 : 10) + 20;
        pages.back().push_back({s, r, r});
      }
      pages.back().back().endRow = r + 1;
      y += h;
    }
  }
  return pages;
}

QPageSize JobSheet::paperFor(const QLocale& locale) {
  // Where Letter is the usual paper; everywhere else A4.
  static constexpr std::array kLetter{QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,
                                      QLocale::Philippines,  QLocale::Chile,     QLocale::Colombia,
                                      QLocale::Venezuela,    QLocale::PuertoRico};
  const bool letter =
      std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end();
  return {letter ? QPageSize::Letter : QPageSize::A4};
}

int JobSheet::pageCount(const QSizeF& paperPoints) const {
  const Report report = reportOf(state_);
  return (state_.rainFade != nullptr ? 2 : 1) +
         static_cast<int>(laterPages(report.sheetSections(), paperPoints.width() - 2 * kMargin,
                                     paperPoints.height())
                              .size());
}

void JobSheet::paint(QPainter& p, const QRectF& paper, const QSizeF& paperPoints, int page) const {
  p.save();
  p.translate(paper.topLeft());
  p.scale(paper.width() / paperPoints.width(), paper.height() / paperPoints.height());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::black);
  const Report report = reportOf(state_);
  const double width = paperPoints.width() - 2 * kMargin;
  const int rainPages = state_.rainFade != nullptr ? 1 : 0;
  if (page == 0) {
    paintFirst(p, report, width, paperPoints.height());
  } else if (page <= rainPages) {
    paintRain(p, report, width, paperPoints.height());
  } else {
    const std::vector<ReportSection> sections = report.sheetSections();
    const std::vector<Page> later = laterPages(sections, width, paperPoints.height());
    const auto at = static_cast<std::size_t>(page - 1 - rainPages);
    if (at < later.size()) {
      paintLater(p, report, sections, later[at], width, paperPoints.height());
    }
  }
  p.restore();
}

void JobSheet::paintFirst(QPainter& p, const Report& report, double width, double height) const {
  const Report::SheetTexts texts = report.sheetTexts();
  double y = drawHeading(p, texts, width);

  // Two columns: the site and the pointing, then the budget and the chain.
  const double column = (width - kGap) / 2;
  const std::vector<ReportSection> sections = report.sheetSections();
  double left = y;
  left += drawTable(p, {kMargin, left}, column, sections.at(0)) + 10;
  left += drawTable(p, {kMargin, left}, column, sections.at(1));
  const double x = kMargin + column + kGap;
  double right = y;
  right += drawTable(p, {x, right}, column, sections.at(2)) + 10;
  right += drawTable(p, {x, right}, column, sections.at(3));
  y = std::max(left, right) + 14;

  const QRect area = toPixels(kPictures);
  const QRectF box(kMargin, y, width, width * area.height() / area.width());
  drawPictures(p, box, state_, texts.pictureCaptions);
  y = box.bottom() + 24;

  p.setFont(sheetFont(kBody));
  // The warnings in the user's language, as the page shows them.
  y = drawWarnings(p, report.shortWarnings(), y, width);
  // Room for the installer's notes and the customer's signature.
  y += 6;
  p.setPen(Qt::black);
  p.setFont(sheetFont(kHeading, true));
  p.drawText(QRectF(kMargin, y, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
             toQString(texts.notes));
  p.setPen(QPen(Qt::gray, 0.5));
  const double notesEnd = height - kMargin - 40;
  const int lines = static_cast<int>((notesEnd - y - 40) / 24) + 1;
  for (int i = 0; i < lines; ++i) {
    const double at = y + 40 + i * 24;
    p.drawLine(QPointF(kMargin, at), QPointF(kMargin + width, at));
  }
  p.setPen(Qt::black);
  p.setFont(sheetFont(kBody));
  p.drawText(QRectF(kMargin, notesEnd + 8, width, 14), Qt::AlignLeft | Qt::AlignVCenter,
             toQString(texts.signatures));
  drawFooter(p, texts, width, height);
}

// The same heading and footer, then the rain availability's two tables one
// under the other across the page.
void JobSheet::paintRain(QPainter& p, const Report& report, double width, double height) {
  const Report::SheetTexts texts = report.sheetTexts();
  double y = drawHeading(p, texts, width);
  // Above the figures they are about, where nobody reads past them.
  p.setFont(sheetFont(kBody, true));
  const std::vector<std::string> warnings = report.rainFadeWarnings();
  y = drawWarnings(p, warnings, y, width) + (warnings.empty() ? 0 : 7);
  p.setPen(Qt::black);
  const std::vector<ReportSection> sections = report.sheetSections();
  for (std::size_t i = kFirstPageSections; i < sections.size(); ++i) {
    if (onRainPage(sections[i])) {
      y += drawTable(p, {kMargin, y}, width, sections[i]) + 10;
    }
  }
  drawFooter(p, texts, width, height);
}

// The heading and footer, then the tables' rows laterPages put on the page,
// long values wrapped in their column.
void JobSheet::paintLater(QPainter& p, const Report& report,
                          const std::vector<ReportSection>& sections, const Page& page,
                          double width, double height) {
  const Report::SheetTexts texts = report.sheetTexts();
  double y = drawHeading(p, texts, width);
  const QFontMetricsF metrics(sheetFont(kBody));
  for (const Part& part : page) {
    const ReportSection& section = sections.at(part.section);
    const double captionWidth = width * section.captionShare;
    ReportSection heading{section.heading, {}, section.captionShare, section.id};
    y += drawTable(p, {kMargin, y}, width, heading);
    p.setFont(sheetFont(kBody));
    for (std::size_t r = part.firstRow; r < part.endRow; ++r) {
      const Quantity& q = section.rows[r];
      const double h = rowHeight(metrics, q, width - captionWidth);
      p.drawText(QRectF(kMargin, y, captionWidth - 4, kRow), Qt::AlignLeft | Qt::AlignVCenter,
                 toQString(q.caption));
      const QRectF room(kMargin + captionWidth, y, width - captionWidth, h);
      p.drawText(room, Qt::TextWordWrap | (h > kRow ? Qt::AlignTop : Qt::AlignVCenter),
                 toQString(q.valueWithUnit()));
      y += h;
    }
    y += 10;
  }
  drawFooter(p, texts, width, height);
}

bool JobSheet::writePdf(const QString& path, const QPageSize& paper, QString* error) const {
  // Drawn whole into memory first: a sheet that cannot be drawn writes nothing.
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(paper);
  writer.setPageMargins(QMarginsF());
  writer.setResolution(300);
  writer.setTitle(tr("Kestrion job sheet"));
  writer.setCreator(QStringLiteral("Kestrion ") + toQString(kVersion));
  QPainter painter;
  if (!painter.begin(&writer)) {
    *error = tr("Cannot draw the job sheet for %1").arg(path);
    return false;
  }
  const int pages = pageCount(paper.size(QPageSize::Point));
  for (int page = 0; page < pages; ++page) {
    if (page > 0) {
      writer.newPage();
    }
    paint(painter, QRectF(0, 0, writer.width(), writer.height()), paper.size(QPageSize::Point),
          page);
  }
  painter.end();
  QString reason;
  if (!writeWhole(path, pdf, &reason)) {
    *error = tr("Cannot write the job sheet to %1: %2").arg(path, reason);
    return false;
  }
  return true;
}

bool JobSheet::print(QPrinter& printer, QString* error) const {
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) {
    *error = tr("Cannot print the job sheet on %1").arg(printer.printerName());
    return false;
  }
  const int pages = pageCount(printer.pageLayout().fullRect(QPageLayout::Point).size());
  for (int page = 0; page < pages; ++page) {
    if (page > 0) {
      printer.newPage();
    }
    paint(painter, printer.paperRect(QPrinter::DevicePixel),
          printer.pageLayout().fullRect(QPageLayout::Point).size(), page);
  }
  return painter.end();
}

}  // namespace kestrion::ui
