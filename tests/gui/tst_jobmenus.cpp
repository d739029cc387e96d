// Taking the job out of the window: the copied text of each page, the saved
// sites (round trip, a hand-broken store, two programs writing at once, a
// store that is a link or a FIFO) and choosing a site from the Sites menu.
#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

#include "gui_helpers.h"
#include "ui/jobmenus.h"
#include "ui/jobsheet.h"

using namespace gui;
using kestrion::ui::JobMenus;
using kestrion::ui::Site;
using kestrion::ui::SiteStore;

namespace {

const Site kRoof{"Roof 7", "-33.9247", "18.4241", "19.2", "Astra 19.2E", 225, 0};
const Site kBarn{"Barn", "52.52", "-8.5", "-5", "", 0, 0};

QStringList names(const SiteStore& store) {
  QStringList out;
  for (const Site& s : store.load().sites) {
    out << s.name;
  }
  return out;
}

// Run as a second program: save `count` sites named PREFIX0, PREFIX1, ...
int writeSites(const QString& path, const QString& prefix, int count) {
  SiteStore store(path);
  for (int i = 0; i < count; ++i) {
    Site site = kBarn;
    site.name = prefix + QString::number(i);
    QString error;
    if (!store.save(site, &error)) {
      qWarning("%s", qPrintable(error));
      return 1;
    }
  }
  return 0;
}

}  // namespace

class JobMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QSettings().clear();  // the offset angle another test left
    window_ = std::make_unique<MainWindow>();
    QFile::remove(menus()->store().path());
    showWindow(*window_);
  }
  void cleanup() { window_.reset(); }

  void copyEachPage_data();
  void copyEachPage();
  void siteRoundTrip();
  void corruptStore_data();
  void corruptStore();
  void twoWriters();
  void storeKeepsItsKind();
  void chooseSiteAsTyped();
  void exportAndPrint();
  void saveAsksBeforeReplacing();
  void satelliteNameAgainstPosition_data();
  void satelliteNameAgainstPosition();

 private:
  JobMenus* menus() const { return window_->findChild<JobMenus*>(); }

  std::unique_ptr<MainWindow> window_;
};

void JobMenusTest::copyEachPage_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("system NF") << 0
                             << QStringList{"LNB Noise Figure\t1 dB", "Gain LNB\t45 dB",
                                            "System Noise Figure\t1.01 dB"};
  QTest::newRow("NF to K") << 1 << QStringList{"Noise Figure\t1 dB", "Noise Temperature\t75 K"};
  QTest::newRow("gain") << 2 << QStringList{"Frequency\t12 GHz", "Antenna Gain\t39.7 dB"};
  QTest::newRow("G/T") << 3 << QStringList{"G/T\t31.2 dB/K"};
  QTest::newRow("alignment") << 4
                             << QStringList{"Latitude\t60 deg", "Latitude (DMS)\t60°0'0\"N",
                                            "Longitude (DMS)\t15°0'0\"E",
                                            "Dish offset angle\t0 deg"};
  QTest::newRow("C/N") << 5 << QStringList{"Eirp\t40 dBW", "Rain\tClear sky"};
}

// One "caption<TAB>value unit" line per quantity, every value the page shows.
void JobMenusTest::copyEachPage() {
  QFETCH(int, page);
  QFETCH(QStringList, lines);
  showPage(*window_, page);
  QKeySequence copy(QKeySequence::Copy);
  QTest::keySequence(window_.get(), copy);
  const QStringList copied =
      QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    QVERIFY2(copied.contains(line), qPrintable(line + " not in:\n" + copied.join('\n')));
  }
  for (const QString& line : copied) {
    QVERIFY2(QRegularExpression("^[^\t]+\t[^\t]+$").match(line).hasMatch(), qPrintable(line));
  }
  for (auto [name, text] : shownTexts(*window_).asKeyValueRange()) {
    if (pageOf(*window_, control(*window_, name)) == page && !text.isEmpty()) {
      const QRegularExpression value("\t" + QRegularExpression::escape(text) + "( |$)");
      QVERIFY2(!copied.filter(value).isEmpty(), qPrintable(name + " " + text));
    }
  }
}

void JobMenusTest::siteRoundTrip() {
  QTemporaryDir dir;
  SiteStore store(dir.filePath("sites.ini"));
  QString error;
  QVERIFY(store.save(kRoof, &error));
  QVERIFY(store.save(kBarn, &error));
  QCOMPARE(names(store), (QStringList{"Barn", "Roof 7"}));
  const Site read = store.load().sites.back();
  QCOMPARE(read.latitude, kRoof.latitude);
  QCOMPARE(read.longitude, kRoof.longitude);
  QCOMPARE(read.satellite, kRoof.satellite);
  QCOMPARE(read.satelliteName, kRoof.satelliteName);
  QCOMPARE(read.offsetTenths, kRoof.offsetTenths);
  // Saving under a name replaces that site and makes it the latest.
  Site moved = kRoof;
  moved.latitude = "-34";
  QVERIFY(store.save(moved, &error));
  QCOMPARE(names(store), (QStringList{"Roof 7", "Barn"}));
  QCOMPARE(store.load().sites.front().latitude, QStringLiteral("-34"));
  QVERIFY(store.markUsed("Barn", &error));
  QCOMPARE(names(store), (QStringList{"Barn", "Roof 7"}));
  QVERIFY(store.rename("Barn", "Shed", &error));
  QVERIFY(!store.rename("Shed", "Roof 7", &error));  // taken
  QVERIFY(error.contains("Roof 7"));
  QVERIFY(store.remove("Roof 7", &error));
  QCOMPARE(names(store), QStringList{"Shed"});
  QVERIFY(store.load().warnings.isEmpty());
}

void JobMenusTest::corruptStore_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("warning");
  QTest::newRow("latitude") << "name=Hill\nlatitude=north-ish\nlongitude=1\nsatellite=1"
                            << "latitude \"north-ish\"";
  QTest::newRow("range") << "name=Hill\nlatitude=1\nlongitude=200\nsatellite=1"
                         << "longitude";
  QTest::newRow("offset") << "name=Hill\nlatitude=1\nlongitude=1\nsatellite=1\noffsetAngle=99"
                          << "offset angle \"99\"";
  QTest::newRow("no name") << "latitude=1\nlongitude=1\nsatellite=1"
                           << "no name";
  QTest::newRow("last use") << "name=Hill\nlatitude=1\nlongitude=1\nsatellite=1\nlastUsed=x"
                            << "last use";
  // Found by fuzzing: the file's escapes let a value run over lines, and the
  // warning with it.
  QTest::newRow("line break") << "name=Hill\nlatitude=north\\nish\nlongitude=1\nsatellite=1"
                              << "latitude \"north\\x0aish\"";
}

// A hand-broken entry is skipped with a warning, costs no other site and
// stays in the file for the user to mend.
void JobMenusTest::corruptStore() {
  QFETCH(QString, entry);
  QFETCH(QString, warning);
  QTemporaryDir dir;
  const QString path = dir.filePath("sites.ini");
  {
    // As QSettings writes it: one section, a key per line.
    QByteArray text = "[sites]\nnot a key\n";
    for (const QString& line : entry.split('\n')) {
      text += "bad\\" + line.toUtf8() + '\n';
    }
    text += "good\\name=Good\ngood\\latitude=10\ngood\\longitude=20\ngood\\satellite=30\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  SiteStore store(path);
  auto contents = store.load();
  QCOMPARE(contents.sites.size(), std::size_t{1});
  QCOMPARE(contents.sites.front().name, QStringLiteral("Good"));
  QCOMPARE(contents.warnings.size(), 1);
  QVERIFY2(contents.warnings.back().contains(warning), qPrintable(contents.warnings.back()));
  QVERIFY2(!contents.warnings.back().endsWith(".."), qPrintable(contents.warnings.back()));
  QString error;
  QVERIFY2(store.save(kBarn, &error), qPrintable(error));
  QCOMPARE(names(store), (QStringList{"Barn", "Good"}));
  QCOMPARE(store.load().warnings, QStringList{contents.warnings.back()});

  // The window says so in its Sites menu.
  QFile::remove(menus()->store().path());
  QVERIFY(QDir().mkpath(QFileInfo(menus()->store().path()).absolutePath()));
  QVERIFY(QFile::copy(path, menus()->store().path()));
  auto* sites = window_->findChild<QMenu*>("sitesMenu");
  Q_EMIT sites->aboutToShow();
  QVERIFY(window_->findChild<QAction*>("skippedSites") != nullptr);
}

// Two programs saving at once keep every site of both.
void JobMenusTest::twoWriters() {
  QTemporaryDir dir;
  const QString path = dir.filePath("sites.ini");
  constexpr int kEach = 12;
  QProcess a, b;
  for (auto [process, prefix] : {std::pair{&a, "a"}, std::pair{&b, "b"}}) {
    process->start(QCoreApplication::applicationFilePath(),
                   {"--writer", path, prefix, QString::number(kEach)});
  }
  for (QProcess* p : {&a, &b}) {
    QVERIFY(p->waitForFinished(60000));
    QCOMPARE(p->exitCode(), 0);
  }
  QCOMPARE(names(SiteStore(path)).size(), 2 * kEach);
}

// A store that is a link (dotfiles kept in a repository) stays a link to the
// updated file; one that is a FIFO is read as empty, without waiting for a
// writer, and written to, never replaced.
void JobMenusTest::storeKeepsItsKind() {
  QTemporaryDir dir;
  QString error;
  QVERIFY(SiteStore(dir.filePath("real.ini")).save(kRoof, &error));
  QVERIFY(QFile::link("real.ini", dir.filePath("sites.ini")));
  QVERIFY2(SiteStore(dir.filePath("sites.ini")).save(kBarn, &error), qPrintable(error));
  QVERIFY(QFileInfo(dir.filePath("sites.ini")).isSymLink());
  QCOMPARE(names(SiteStore(dir.filePath("real.ini"))), (QStringList{"Barn", "Roof 7"}));

  const QString fifo = dir.filePath("fifo.ini");
  QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  SiteStore piped(fifo);
  QVERIFY(piped.load().sites.empty());
  QProcess reader;
  reader.start("cat", {fifo});
  QVERIFY2(piped.save(kBarn, &error), qPrintable(error));
  QVERIFY(reader.waitForFinished(10000));
  QVERIFY(reader.readAllStandardOutput().contains("name=Barn"));
  struct stat status {};
  QVERIFY(lstat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
}

// Choosing a saved site does what typing its values does: the same texts,
// thumbs and results; and it becomes the most recent.
void JobMenusTest::chooseSiteAsTyped() {
  QString error;
  Site roof = kRoof;
  roof.satelliteName.clear();
  QVERIFY(menus()->store().save(roof, &error));
  QVERIFY(menus()->store().save(kBarn, &error));
  auto* sites = window_->findChild<QMenu*>("sitesMenu");
  Q_EMIT sites->aboutToShow();
  QCOMPARE(sites->actions().at(0)->text(), QStringLiteral("&1 Barn"));
  QCOMPARE(sites->actions().at(1)->text(), QStringLiteral("&2 Roof 7"));
  sites->actions().at(1)->trigger();
  QCOMPARE(names(menus()->store()).front(), QStringLiteral("Roof 7"));
  QCOMPARE(window_->siteName(), QStringLiteral("Roof 7"));

  MainWindow typed;
  showWindow(typed);
  showPage(typed, 4);
  for (auto [name, text] : {std::pair{"HScroll17", "-33.9247"}, std::pair{"HScroll18", "18.4241"},
                            std::pair{"HScroll19", "19.2"}}) {
    QScrollBar* bar = slider(typed, name);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_F2);
    auto* editor = typed.findChild<QLineEdit*>("angleEditor");
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    if (editor->completer() != nullptr && editor->completer()->popup()->isVisible()) {
      QTest::keyClick(editor->completer()->popup(), Qt::Key_Escape);  // a position, no name
    }
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(typed.findChild<QLineEdit*>("angleEditor") == nullptr);
  }
  QCOMPARE(shownTexts(*window_), shownTexts(typed));
  for (const char* name : {"HScroll17", "HScroll18", "HScroll19"}) {
    QCOMPARE(slider(*window_, name)->value(), slider(typed, name)->value());
  }
  QCOMPARE(window_->jobState().offsetTenths, 225);
}

// The window's job sheet: written, printed to a PDF printer, and a path that
// cannot be written answered with a message box and no file.
void JobMenusTest::exportAndPrint() {
  // Export PDF starts with the site and the date, in a name any file system takes.
  window_->setSiteName("Roof/7: east");
  window_->setDate({2026, 12, 9});
  QCOMPARE(QFileInfo(menus()->suggestedPdfPath()).fileName(),
           QStringLiteral("Roof-7- east 2026-12-09.pdf"));
  QTemporaryDir dir;
  QVERIFY(menus()->exportPdfTo(dir.filePath("sheet.pdf")));
  QVERIFY(QFileInfo(dir.filePath("sheet.pdf")).size() > 1000);

  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("printed.pdf"));
  QString error;
  const kestrion::ui::JobState state = window_->jobState();
  QVERIFY2(kestrion::ui::JobSheet(state).print(printer, &error), qPrintable(error));
  QVERIFY(QFileInfo(dir.filePath("printed.pdf")).size() > 1000);

  QString shown;
  QTimer::singleShot(0, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown = box->text();
      box->accept();
    }
  });
  QVERIFY(!menus()->exportPdfTo(dir.filePath("missing/sheet.pdf")));
  QVERIFY2(shown.contains("missing/sheet.pdf"), qPrintable(shown));
  QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
           (QStringList{"printed.pdf", "sheet.pdf"}));
}

// Save site… under a name already saved asks first; No keeps the old site.
void JobMenusTest::saveAsksBeforeReplacing() {
  QString error;
  QVERIFY(menus()->store().save(kRoof, &error));
  for (const auto& [answer, latitude] :
       {std::pair{QMessageBox::No, "-33.9247"}, std::pair{QMessageBox::Yes, "60"}}) {
    QStringList asked;
    QTimer answering;
    connect(&answering, &QTimer::timeout, [&, answer = answer] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        input->setTextValue("Roof 7");
        input->accept();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        asked << box->text();
        box->button(answer)->click();
      }
    });
    answering.start(10);
    menus()->saveSite();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(menus()->store().load().sites.front().latitude, QString(latitude));
  }
}

void JobMenusTest::satelliteNameAgainstPosition_data() {
  QTest::addColumn<QString>("position");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("shown");  // beside the position
  QTest::addColumn<QString>("kept");   // for the sheet and a site saved again
  QTest::newRow("matching") << "19.2"
                            << "Astra 19.2E"
                            << "Astra 19.2E"
                            << "Astra 19.2E";
  QTest::newRow("another position") << "13"
                                    << "Astra 19.2E"
                                    << "Astra 19.2E: not this position"
                                    << "";
  QTest::newRow("no position in it") << "19.2"
                                     << "Astra 1KR"
                                     << "Astra 1KR"
                                     << "Astra 1KR";
}

// A saved site whose satellite name names another position (an edited file)
// loads by its position; the name is shown as not matching and kept out.
void JobMenusTest::satelliteNameAgainstPosition() {
  QFETCH(QString, position);
  QFETCH(QString, name);
  QFETCH(QString, shown);
  QFETCH(QString, kept);
  Site site = kRoof;
  site.satellite = position;
  site.satelliteName = name;
  QString error;
  QVERIFY(menus()->store().save(site, &error));
  auto* sites = window_->findChild<QMenu*>("sitesMenu");
  Q_EMIT sites->aboutToShow();
  sites->actions().at(0)->trigger();
  QCOMPARE(labelText(*window_, "satposition"), position);
  QCOMPARE(labelText(*window_, "satelliteName"), shown);
  QCOMPARE(QString::fromStdString(window_->jobState().satelliteName), kept);
}

int main(int argc, char* argv[]) {
  if (argc == 5 && qstrcmp(argv[1], "--writer") == 0) {
    QCoreApplication app(argc, argv);
    return writeSites(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                      QByteArray(argv[4]).toInt());
  }
  QApplication app(argc, argv);
  JobMenusTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_jobmenus.moc"
