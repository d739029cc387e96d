#include "jobmenus.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

#include "jobsheet.h"
#include "jobstate.h"
#include "mainwindow.h"
#include "qtext.h"

namespace kestrion::ui {
namespace {

// A window manager cuts a title wider than its dialog ("Stand… ichern"): the
// input dialogs are made wide enough for their title beside the frame's
// buttons, in the bold face most title bars use.
void fitTitle(QInputDialog& dialog) {
  QFont title = dialog.font();
  title.setBold(true);
  constexpr int kFrameButtons = 120;
  dialog.setMinimumWidth(QFontMetrics(title).horizontalAdvance(dialog.windowTitle()) +
                         kFrameButtons);
}

}  // namespace

JobMenus::JobMenus(MainWindow& window, QMenuBar& bar)
    : QObject(&window), window_(window), sites_(new QMenu(tr("&Sites"), &window)) {
  const auto add = [this](QMenu* menu, const QString& text, const char* name,
                          const QKeySequence& keys, void (JobMenus::*slot)()) {
    QAction* action = menu->addAction(text, this, slot);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    return action;
  };
  QMenu* file = bar.addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("fileMenu"));
  add(file, tr("&Save site\u2026"), "saveSite", QKeySequence::Save, &JobMenus::saveSite);
  add(file, tr("&Print\u2026"), "print", QKeySequence::Print, &JobMenus::printSheet);
  add(file, tr("&Export PDF\u2026"), "exportPdf", QKeySequence(), &JobMenus::exportPdf);
  file->addSeparator();
  QAction* quit = file->addAction(tr("&Quit"), &window_, &MainWindow::quit);
  quit->setShortcut(QKeySequence::Quit);

  edit_ = bar.addMenu(tr("&Edit"));
  edit_->setObjectName(QStringLiteral("editMenu"));
  add(edit_, tr("&Copy"), "copy", QKeySequence::Copy, &JobMenus::copyPage);

  sites_->setObjectName(QStringLiteral("sitesMenu"));
  bar.addMenu(sites_);
  // Filled each time it opens, from the file as it is then: another window
  // may have saved a site meanwhile, and start-up reads nothing.
  connect(sites_, &QMenu::aboutToShow, this, &JobMenus::fillSites);
}

void JobMenus::copyPage() {
  const JobState state = window_.jobState();
  QGuiApplication::clipboard()->setText(toQString(reportOf(state).copyText(window_.currentPage())));
}

void JobMenus::fillSites() {
  sites_->clear();
  const SiteStore::Contents contents = store_.load();
  int n = 0;
  for (const Site& site : contents.sites) {
    // The first nine get a digit as their access key.
    QString text = site.name;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (++n <= 9) {
      text = QStringLiteral("&%1 %2").arg(n).arg(text);
    }
    sites_->addAction(text, this, [this, site] { chooseSite(site); });
  }
  if (contents.sites.empty()) {
    sites_->addAction(tr("No saved sites"))->setEnabled(false);
  }
  sites_->addSeparator();
  sites_->addAction(tr("&Save site\u2026"), this, &JobMenus::saveSite);
  sites_->addAction(tr("&Rename site\u2026"), this, &JobMenus::renameSite)
      ->setEnabled(!contents.sites.empty());
  sites_->addAction(tr("&Delete site\u2026"), this, &JobMenus::deleteSite)
      ->setEnabled(!contents.sites.empty());
  if (!contents.warnings.isEmpty()) {
    sites_->addSeparator();
    const QStringList warnings = contents.warnings;
    QAction* skipped = sites_->addAction(
        tr("%n saved site(s) could not be read\u2026", nullptr, int(warnings.size())), this,
        [this, warnings] {
          QMessageBox::warning(&window_, tr("Saved sites"), warnings.join(QLatin1Char('\n')));
        });
    skipped->setObjectName(QStringLiteral("skippedSites"));
  }
}

void JobMenus::chooseSite(const Site& site) {
  window_.enterSite(site);
  QString error;
  if (!store_.markUsed(site.name, &error)) {
    showError(tr("Saved sites"), error);
  }
}

void JobMenus::saveSite() {
  bool ok = false;
  const QString name =
      askText(tr("Save site"), tr("Name of the site:"), window_.siteName(), &ok).trimmed();
  if (!ok) {
    return;
  }
  if (name.isEmpty()) {
    showError(tr("Save site"), tr("A site needs a name; nothing was saved."));
    return;
  }
  const auto& sites = store_.load().sites;
  const bool exists =
      std::any_of(sites.begin(), sites.end(), [&name](const Site& s) { return s.name == name; });
  if (exists &&
      QMessageBox::question(&window_, tr("Save site"),
                            tr("A site named \"%1\" is saved already. Replace it?").arg(name)) !=
          QMessageBox::Yes) {
    return;
  }
  QString error;
  if (!store_.save(window_.site(name), &error)) {
    showError(tr("Save site"), error);
    return;
  }
  window_.setSiteName(name);
}

QString JobMenus::askSite(const QString& title) {
  QStringList names;
  for (const Site& site : store_.load().sites) {
    names << site.name;
  }
  if (names.isEmpty()) {
    return {};
  }
  QInputDialog dialog(&window_);
  dialog.setWindowTitle(title);
  dialog.setLabelText(tr("Saved site:"));
  dialog.setComboBoxItems(names);
  dialog.setComboBoxEditable(false);
  fitTitle(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString JobMenus::askText(const QString& title, const QString& label, const QString& text,
                          bool* ok) {
  QInputDialog dialog(&window_);
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setTextValue(text);
  fitTitle(dialog);
  *ok = dialog.exec() == QDialog::Accepted;
  return *ok ? dialog.textValue() : QString();
}

void JobMenus::renameSite() {
  const QString from = askSite(tr("Rename site"));
  if (from.isEmpty()) {
    return;
  }
  bool ok = false;
  const QString to = askText(tr("Rename site"), tr("New name:"), from, &ok).trimmed();
  if (!ok || to == from) {
    return;
  }
  QString error;
  if (!store_.rename(from, to, &error)) {
    showError(tr("Rename site"), error);
  } else if (window_.siteName() == from) {
    window_.setSiteName(to);
  }
}

void JobMenus::deleteSite() {
  const QString name = askSite(tr("Delete site"));
  if (name.isEmpty() ||
      QMessageBox::question(&window_, tr("Delete site"),
                            tr("Delete the saved site \"%1\"?").arg(name)) != QMessageBox::Yes) {
    return;
  }
  QString error;
  if (!store_.remove(name, &error)) {
    showError(tr("Delete site"), error);
  }
}

void JobMenus::printSheet() {
  QPrinter printer;
  printer.setPageSize(JobSheet::paperFor(QLocale()));
  QPrintDialog dialog(&printer, &window_);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  QString error;
  const JobState state = window_.jobState();
  if (!JobSheet(state).print(printer, &error)) {
    showError(tr("Print"), error);
  }
}

QString JobMenus::suggestedPdfPath() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(folder).isDir()) {
    folder = QDir::homePath();
  }
  // A site's name may hold what a file name cannot.
  QString name = window_.siteName().isEmpty() ? tr("job sheet") : window_.siteName();
  static const QRegularExpression kNotInFileNames(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
  name.replace(kNotInFileNames, QStringLiteral("-"));
  return QDir(folder).filePath(name + QLatin1Char(' ') + toQString(dateText(window_.date())) +
                               QStringLiteral(".pdf"));
}

void JobMenus::exportPdf() {
  const QString path = QFileDialog::getSaveFileName(&window_, tr("Export PDF"), suggestedPdfPath(),
                                                    tr("PDF files (*.pdf)"));
  if (!path.isEmpty()) {
    exportPdfTo(path);
  }
}

bool JobMenus::exportPdfTo(const QString& path) {
  QString error;
  const JobState state = window_.jobState();
  if (!JobSheet(state).writePdf(path, JobSheet::paperFor(QLocale()), &error)) {
    showError(tr("Export PDF"), error);
    return false;
  }
  return true;
}

void JobMenus::showError(const QString& title, const QString& message) {
  QMessageBox::warning(&window_, title, message);
}

}  // namespace kestrion::ui
