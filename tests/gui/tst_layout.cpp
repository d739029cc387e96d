// Where every control stands, what it says and how it looks, checked against
// the window's description as the layout tables give it.
#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "gui_helpers.h"
#include "ui/layout.h"
#include "ui/picture.h"

using namespace gui;

namespace {

// clang-format off
const std::pair<const char*, const char*> kTooltips[] = {
    {"tant", "Normally between  0 - 50 K. See specification of your dish."},
    {"feedloss", "Normally between 0 - 0.5 dB"},
    {"lnbnf", "Normally between 0.7 to 1.2 dB"},
    {"lnbgain", "Normally between 40 and 60 dB. To avoid intermodulation products, use as low "
                "gain as possible without raising the system NF."},
    {"cableloss", "Cable Loss between the LNB and IF amplifier"},
    {"ifnf", "When not using an IF amplifier, apply 0 dB"},
    {"totnf", "The result"},
    {"ifgain", "When not using an IF amplifier, apply 0 dB"},
    {"cableloss2", "When not using an IF amplifier, apply 0 dB"},
    {"recnf", "See specifications of your receiver"},
    {"nf", "The noise can be described in Noise Figure or Noise Temperature"},
    {"nt", "The noise can be described in Noise Figure or Noise Temperature"},
    {"diameter1", "Apply minor diameter when using an offset dish"},
    {"eff", "Normally 40 to 70 %"},
    {"frekvens", "The gain of the antenna depends of frequency"},
    {"Gain", "If you know the gain but not the efficiency, vary the efficiency until you get "
             "the correct gain"},
    {"snf", "Can be calculated in the System Noise Figure section"},
    {"again", "The gain can be calculated from antenna size and efficiency in the Antenna Gain "
              "Calculations section"},
    {"GT", "G/T is a measure of the performance of your system"},
    {"Latitud", "Latitude of dish  location"},
    {"longitud", "Longitude of dish location"},
    {"satposition", "Satellite position"},
    {"az", "How to align the dish by the compass"},
    {"offset", "Note that Astra satellites differ from standard polarisation"},
    {"el", "Angle of inclination"},
    {"rsat2", "Needed for C/N calculations"},
    {"Label18", "Equivalent Isotropic Radiated Power"},
    {"eirp", "Get the Eirp from the footprint of the satellite"},
    {"diam", "Use the minor diameter for an offset dish"},
    {"efficiency", "If you only know the gain, you can calculate the efficiency in the Antenna "
                   "Gain Calculations"},
    {"ta", "See specifications of your antenna. Normally between 0 to 50 K."},
    {"nflnb", " Use System Noise Figure calculations and manually apply correct value."},
    {"bw", "Bandwidth of the receiver"},
    {"rsat", "Imported from Antenna Alignment Calculations"},
    {"Option1", "Rain attenuation is affected by the elevation of the antenna"},
    {"Option2", "The rain attenuation is usable in the 10 to 13 GHz band only"},
    {"Option3", "Rain attenuation is affected by the elevation of the antenna"},
    {"cnres", "The answer"},
    {"cnel", "The elevation is imported from Antenna alignment calculations"},
};

// clang-format on

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    visitAllPages(*window_);
  }
  void cleanup() { window_.reset(); }

  void window();
  void tabCaptions();
  void geometry_data();
  void geometry();
  void tooltips_data();
  void tooltips();
  void sliders();
  void looks_data();
  void looks();
  void hiddenTextBoxesAreNeverShown();
  void resultsAfterStartUp();

 private:
  std::unique_ptr<MainWindow> window_;
};

void LayoutTest::window() {
  showWindow(*window_);
  QCOMPARE(window_->windowTitle(), QStringLiteral("Kestrion3.0"));
  QCOMPARE(window_->centralWidget()->size(), QSize(644, 457));
  QCOMPARE(window_->minimumSize(), window_->maximumSize());
  QCOMPARE(window_->centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
  const auto actions = window_->menuBar()->actions();
  // About first, where it always was; the job's menus after it.
  QStringList titles;
  for (const QAction* action : actions) {
    titles << action->text();
  }
  QCOMPARE(titles, (QStringList{"About", "&File", "&Edit", "&Sites"}));
  QCOMPARE(actions.front()->objectName(), QStringLiteral("Ab"));
  QVERIFY(actions.front()->menu() == nullptr);
  QVERIFY(!window_->windowIcon().isNull());
  const auto pictures = window_->findChildren<kestrion::ui::Picture*>();
  QCOMPARE(pictures.size(), 4);
  for (auto* picture : pictures) {
    QVERIFY2(picture->isValid(), qPrintable(picture->objectName()));
  }
  // The link shows the home page's address, in its look.
  auto* link = window_->findChild<QLabel*>(QStringLiteral("Label37"));
  QVERIFY(link->text().startsWith(QStringLiteral("http://")));
  QVERIFY(link->font().underline());
  QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  QCOMPARE(link->geometry().topLeft(), QPoint(344, 424));
  QVERIFY(link->width() >= link->sizeHint().width());
}

void LayoutTest::tabCaptions() {
  const QStringList expected{"System Noise Figure",       "NF to Noise Temperature",
                             "Antenna Gain Calculations", "G/T Calculations",
                             "Antenna Alignment",         "C/N"};
  auto* strip = window_->tabControl()->strip();
  QCOMPARE(strip->count(), 6);
  showWindow(*window_);
  QCOMPARE(window_->tabControl()->currentIndex(), 0);
  // Two rows of three, the contents below both.
  for (int i = 0; i < 6; ++i) {
    QCOMPARE(strip->tabRect(i).top(), strip->tabRect(i / 3 * 3).top());
    QVERIFY(strip->mapTo(window_->tabControl(), strip->tabRect(i).bottomLeft()).y() < 64);
  }
  QVERIFY(strip->tabRect(0).top() != strip->tabRect(3).top());
  for (int i = 0; i < 6; ++i) {
    QCOMPARE(strip->tabText(i), expected[i]);
  }
}

// Every row of the tables stands where its twips say, shows its caption, and
// lies inside its page below the tab strip, or inside the client area.
void LayoutTest::geometry_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<int>("rowIndex");
  for (int page = -1; page < kestrion::kPageCount; ++page) {
    const auto rows =
        page < 0 ? kestrion::layout::windowControls() : kestrion::layout::pageControls(page);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].kind != kestrion::layout::Kind::HiddenText) {
        QTest::addRow("p%d/%s", page, std::string(rows[i].objectName()).c_str())
            << page << static_cast<int>(i);
      }
    }
  }
}

void LayoutTest::geometry() {
  QFETCH(int, page);
  QFETCH(int, rowIndex);
  using kestrion::layout::Kind;
  const auto& row =
      (page < 0 ? kestrion::layout::windowControls()
                : kestrion::layout::pageControls(page))[static_cast<std::size_t>(rowIndex)];
  const QString name =
      QString::fromUtf8(row.objectName().data(), static_cast<qsizetype>(row.objectName().size()));
  QWidget* c = control(*window_, name);
  QVERIFY2(c, qPrintable(name));
  QCOMPARE(pageOf(*window_, c), page);
  // Page controls count from SSTab1's corner, the others from the client area.
  QWidget* origin = page < 0 ? window_->centralWidget() : window_->tabControl();
  const QRect px(c->mapTo(origin, QPoint(0, 0)), c->size());
  const QRect expected = kestrion::ui::toPixels(row.rect);
  if (row.kind == Kind::Link) {  // grows to its address
    QCOMPARE(px.topLeft(), expected.topLeft());
  } else {
    QCOMPARE(px, expected);
  }
  const QRect area = page < 0
                         ? QRect(QPoint(), window_->centralWidget()->size())
                         : QRect(0, kestrion::ui::toPixels(kestrion::ui::kPageContentTop),
                                 window_->tabControl()->width(), window_->tabControl()->height());
  QVERIFY2(area.contains(px), qPrintable(name));
  if (row.kind == Kind::Label) {
    QCOMPARE(static_cast<QLabel*>(c)->text(),
             QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())));
  } else if (row.kind == Kind::Text) {
    QCOMPARE(static_cast<QLabel*>(c)->text(),
             QString::fromStdString(window_->model().text(row.value())));
  } else if (row.kind == Kind::Button || row.kind == Kind::Option) {
    QCOMPARE(static_cast<QAbstractButton*>(c)->text(),
             QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())));
  }
}

void LayoutTest::tooltips_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("tooltip");
  for (const auto& [name, tooltip] : kTooltips) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(tooltip);
  }
}

void LayoutTest::tooltips() {
  QFETCH(QString, name);
  QFETCH(QString, tooltip);
  QWidget* c = control(*window_, name);
  QVERIFY2(c, qPrintable(name));
  QCOMPARE(c->toolTip(), tooltip);
  // A screen reader hears the same words, with the quantity and the value.
  if (auto* label = qobject_cast<kestrion::ui::TextLabel*>(c)) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
    QVERIFY(!a->text(QAccessible::Name).isEmpty());
    QCOMPARE(a->text(QAccessible::Description), tooltip);
    QCOMPARE(a->text(QAccessible::Value), label->text());
  }
}

void LayoutTest::sliders() {
  for (std::size_t i = 0; i < kestrion::kInputCount; ++i) {
    const kestrion::InputSpec& row = kestrion::kInputs[i];
    QScrollBar* bar = slider(*window_, QString::fromUtf8(row.name.data()));
    QVERIFY2(bar, row.name.data());
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimum(), row.min);
    QCOMPARE(bar->maximum(), row.max);
    QCOMPARE(bar->value(), row.initial);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 1);
    QVERIFY(bar->hasTracking());
    QCOMPARE(bar->accessibleName(),
             QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())));
    QVERIFY(!bar->accessibleDescription().isEmpty());
  }
}

void LayoutTest::looks_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<double>("points");
  QTest::addColumn<bool>("framed");
  QTest::addColumn<QColor>("background");  // invalid: not filled
  const QColor none;
  QTest::newRow("Label6") << "Label6" << 12.0 << false << none;
  QTest::newRow("totnf") << "totnf" << 12.0 << true << QColor(224, 224, 224);
  QTest::newRow("Label5") << "Label5" << 8.25 << false << none;
  QTest::newRow("tant") << "tant" << 8.25 << true << QColor(Qt::white);
  QTest::newRow("eirp") << "eirp" << 8.25 << true << QColor(Qt::white);
  QTest::newRow("rsat") << "rsat" << 8.25 << true << QColor(224, 224, 224);
  QTest::newRow("cnel") << "cnel" << 8.25 << true << QColor(224, 224, 224);
  // The light bevel colour: lighter than the window, darker than white.
  QTest::newRow("Gain") << "Gain" << 8.25 << true << QColor(220, 220, 220);
  QTest::newRow("az") << "az" << 8.25 << true << QColor(220, 220, 220);
}

void LayoutTest::looks() {
  QFETCH(QString, name);
  QFETCH(double, points);
  QFETCH(bool, framed);
  QFETCH(QColor, background);
  auto* label = window_->findChild<QLabel*>(name);
  QVERIFY(label);
  QCOMPARE(label->font().pointSizeF(), points);
  QCOMPARE(label->frameShape() != QFrame::NoFrame, framed);
  QCOMPARE(label->autoFillBackground(), background.isValid());
  if (background.isValid()) {
    const QColor shown = label->palette().color(QPalette::Window);
    QVERIFY2(std::abs(shown.red() - background.red()) <= 8 && shown.red() == shown.green(),
             qPrintable(shown.name()));
    QVERIFY(label->alignment() & Qt::AlignHCenter);
  }
}

void LayoutTest::hiddenTextBoxesAreNeverShown() {
  showWindow(*window_);
  for (int page = 0; page < 6; ++page) {
    window_->tabControl()->setCurrentIndex(page);
    QVERIFY(!control(*window_, "regntext") || !control(*window_, "regntext")->isVisible());
    QVERIFY(!control(*window_, "attenuation") || !control(*window_, "attenuation")->isVisible());
  }
}

void LayoutTest::resultsAfterStartUp() {
  // What the load wrote, as the labels show it.
  QCOMPARE(labelText(*window_, "totnf"), QStringLiteral("1.01"));
  QCOMPARE(labelText(*window_, "Gain"), QStringLiteral("39.7"));
  QCOMPARE(labelText(*window_, "el"), QStringLiteral("20.75"));
  QCOMPARE(labelText(*window_, "az"), QStringLiteral("197.19"));
  QCOMPARE(labelText(*window_, "offset"), QStringLiteral("8.4"));
  QCOMPARE(labelText(*window_, "rsat"), QStringLiteral("39560"));
  QCOMPARE(labelText(*window_, "rsat2"), QStringLiteral("39560"));
  QCOMPARE(shownTexts(*window_).size(), 35);
  const auto shown = shownTexts(*window_);
  for (auto it = shown.begin(); it != shown.end(); ++it) {
    const auto id = kestrion::valueNamed(it.key().toStdString());
    QVERIFY(id);
    QCOMPARE(it.value(), QString::fromStdString(window_->model().text(*id)));
  }
  QVERIFY(window_->findChild<QRadioButton*>("rainoff")->isChecked());
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
