// The menus that take the job out of the window: File (save site, print,
// export PDF, quit), Edit (copy) and Sites (the saved sites, most recently
// used first, with rename and delete). They sit beside About on the menu bar.
#pragma once

#include <QObject>
#include <QString>

#include "sitestore.h"

class QMenu;
class QMenuBar;

namespace kestrion::ui {

class MainWindow;

class JobMenus : public QObject {
  Q_OBJECT

 public:
  JobMenus(MainWindow& window, QMenuBar& bar);

  // The store the Sites menu uses; the tests point it at a file of their own.
  SiteStore& store() { return store_; }
  // The Edit menu, for the window's own entries below Copy.
  [[nodiscard]] QMenu* editMenu() const { return edit_; }

  void copyPage();
  void saveSite();
  void printSheet();
  void exportPdf();
  // Writes the job sheet to `path`; a message box says why when it cannot.
  bool exportPdfTo(const QString& path);
  // Where Export PDF starts: the Documents folder, a name of the site and
  // the date ("Roof 7 2026-12-09.pdf").
  [[nodiscard]] QString suggestedPdfPath() const;

 private:
  void fillSites();
  void chooseSite(const Site& site);
  void renameSite();
  void deleteSite();
  // Asks which saved site; empty when there is none or the user cancels.
  QString askSite(const QString& title);
  QString askText(const QString& title, const QString& label, const QString& text, bool* ok);
  void showError(const QString& title, const QString& message);

  MainWindow& window_;
  SiteStore store_;
  QMenu* sites_;
  QMenu* edit_ = nullptr;
};

}  // namespace kestrion::ui
