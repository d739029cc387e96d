// Where every control stands, what it says and how it looks, checked against
// the window's description as the layout tables give it.
#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "gui_helpers.h"
#include "ui/picture.h"

using namespace gui;

namespace {

struct Placed {
  int page;  // -1: on the window below the tab control
  const char* name;
  int left, top, width, height;
};

// clang-format off
const Placed kPlaced[] = {
    {-1, "SSTab1", 240, 120, 9255, 5655}, {-1, "Image1", 120, 5880, 3750, 795},
    {-1, "quit", 7320, 6000, 1695, 615},  {-1, "Label39", 4680, 6360, 375, 255},
    {0, "Label5", 7440, 1380, 1215, 495}, {0, "Label12", 360, 1440, 1215, 495},
    {0, "Label8", 1800, 1500, 1095, 375}, {0, "Label2", 3000, 1500, 1335, 375},
    {0, "Label3", 4560, 1500, 1215, 255}, {0, "Label4(0)", 6000, 1500, 1215, 255},
    {0, "tant", 600, 2040, 855, 255},     {0, "feedloss", 1920, 2040, 855, 255},
    {0, "lnbnf", 3360, 2040, 855, 255},   {0, "lnbgain", 4800, 2040, 735, 255},
    {0, "cableloss", 6240, 2040, 855, 255}, {0, "ifnf", 7560, 2040, 855, 255},
    {0, "Label14", 240, 3180, 1455, 375}, {0, "Label4(1)", 1800, 3180, 1215, 255},
    {0, "Label13", 3240, 3180, 1335, 495}, {0, "Label6", 5520, 3360, 1815, 735},
    {0, "totnf", 7440, 3480, 975, 375},   {0, "ifgain", 600, 3660, 855, 255},
    {0, "cableloss2", 1920, 3660, 855, 255}, {0, "recnf", 3360, 3660, 855, 255},
    {0, "HScroll11", 600, 2520, 855, 255}, {0, "HScroll7", 1920, 2520, 855, 255},
    {0, "HScroll1", 3360, 2520, 855, 255}, {0, "HScroll2", 4680, 2520, 975, 255},
    {0, "HScroll3", 6240, 2520, 855, 255}, {0, "HScroll4", 7560, 2520, 855, 255},
    {0, "HScroll14", 600, 4140, 855, 255}, {0, "HScroll12", 1920, 4140, 855, 255},
    {0, "HScroll13", 3360, 4140, 855, 255},
    {1, "Label1", 2520, 2220, 1455, 255}, {1, "Label7", 4800, 2220, 1695, 255},
    {1, "nf", 2640, 2580, 855, 255},      {1, "nt", 5280, 2580, 735, 255},
    {1, "HScroll5", 2640, 3120, 855, 255}, {1, "HScroll6", 5280, 3120, 855, 255},
    {2, "Label9", 1320, 2400, 1335, 255}, {2, "Label10", 2880, 2400, 1215, 255},
    {2, "f", 4200, 2400, 1215, 255},      {2, "Label11", 5640, 2400, 1335, 255},
    {2, "diameter1", 1680, 2760, 615, 255}, {2, "eff", 3000, 2760, 615, 255},
    {2, "frekvens", 4440, 2760, 615, 255}, {2, "Gain", 5760, 2760, 855, 255},
    {2, "HScroll8", 1560, 3240, 855, 255}, {2, "HScroll9", 2880, 3240, 855, 255},
    {2, "HScroll10", 4320, 3240, 855, 255},
    {3, "Label15", 3120, 1680, 1215, 615}, {3, "Label16", 4680, 1680, 735, 375},
    {3, "Label17", 6240, 1920, 975, 255}, {3, "snf", 3360, 2280, 615, 255},
    {3, "again", 4680, 2280, 615, 255},   {3, "GT", 6240, 2280, 735, 255},
    {3, "HScroll15", 3240, 2760, 975, 255}, {3, "HScroll16", 4560, 2760, 975, 255},
    {4, "Label19", 2160, 960, 735, 255},  {4, "Label20", 4080, 960, 735, 255},
    {4, "Label21", 6000, 960, 1215, 255}, {4, "Label40", 5760, 1200, 1932, 252},
    {4, "Latitud", 2160, 1440, 735, 255}, {4, "longitud", 4080, 1440, 735, 255},
    {4, "satposition", 6120, 1440, 735, 255}, {4, "Label23", 1560, 2520, 855, 495},
    {4, "Label24", 3480, 2520, 975, 495}, {4, "Label22", 5400, 2520, 855, 495},
    {4, "Label36", 7080, 2520, 1935, 255}, {4, "az", 1440, 3000, 855, 255},
    {4, "offset", 3480, 3000, 855, 255},  {4, "el", 5400, 3000, 855, 255},
    {4, "rsat2", 7440, 3000, 735, 255},   {4, "Label27", 1920, 3360, 255, 255},
    {4, "Label28", 960, 4200, 255, 255},  {4, "Label29", 2640, 4200, 255, 255},
    {4, "Label25", 1920, 5160, 255, 255},
    {4, "HScroll17", 2040, 2040, 975, 255}, {4, "HScroll18", 3960, 2040, 975, 255},
    {4, "HScroll19", 6000, 2040, 975, 255},
    {4, "Image2(0)", 1185, 3600, 1500, 1500}, {4, "Image2(1)", 3240, 3600, 1500, 1680},
    {4, "Image3", 5625, 3810, 2250, 1095},
    {5, "Label18", 1080, 1080, 855, 255}, {5, "Label26", 3000, 1080, 1575, 255},
    {5, "Label30", 4920, 1080, 1815, 255}, {5, "Label31", 6960, 1080, 1815, 255},
    {5, "eirp", 1080, 1560, 855, 255},    {5, "diam", 3120, 1560, 855, 255},
    {5, "efficiency", 5160, 1560, 855, 255}, {5, "ta", 7200, 1560, 855, 255},
    {5, "Command2", 600, 2520, 1935, 255}, {5, "Label32", 1440, 3000, 1575, 255},
    {5, "Label33", 3360, 3000, 1335, 255}, {5, "Label35", 5040, 3000, 2175, 255},
    {5, "rainoff", 7440, 3000, 975, 615}, {5, "nflnb", 1800, 3480, 855, 255},
    {5, "bw", 3480, 3480, 855, 255},      {5, "rsat", 5520, 3480, 975, 255},
    {5, "Option1", 7440, 3600, 1215, 375}, {5, "Option2", 7440, 4080, 1335, 255},
    {5, "Option3", 7440, 4560, 1335, 255}, {5, "Label34", 1200, 4800, 1455, 255},
    {5, "cnres", 3360, 4800, 975, 255},   {5, "Label38", 7080, 5040, 735, 255},
    {5, "cnel", 7920, 5040, 855, 255},
    {5, "HScroll20", 1080, 2040, 855, 255}, {5, "HScroll21", 3120, 2040, 855, 255},
    {5, "HScroll22", 5160, 2040, 855, 255}, {5, "HScroll23", 7200, 2040, 855, 255},
    {5, "HScroll24", 1800, 3960, 855, 255}, {5, "HScroll25", 3480, 3960, 855, 255},
};

// Static captions, and the texts value labels show before any slider moves.
const std::pair<const char*, const char*> kCaptions[] = {
    {"quit", "Quit"}, {"Label39", "Visit:"}, {"Command2", "Footprints on the web"},
    {"Label5", "IF amplifier noise figure (dB)"}, {"Label12", "Antenna noise temperature (K)"},
    {"Label8", "Feed Losses (dB)"}, {"Label2", "LNB Noise Figure (dB)"},
    {"Label3", "Gain LNB (dB)"}, {"Label4(0)", "Cable Loss (dB)"},
    {"Label14", "IF Amplifier Gain (dB)"}, {"Label4(1)", "Cable Loss (dB)"},
    {"Label13", "Receiver Noise Figure (dB)"}, {"Label6", "System Noise Figure (dB)"},
    {"Label1", "Noise Figure (dB)"}, {"Label7", "Noise Temperature (K)"},
    {"Label9", "Dish Diameter (m)"}, {"Label10", "Efficiency (%)"}, {"f", "Frequency (GHz)"},
    {"Label11", "Antenna Gain (dB)"}, {"Label15", "System Noise Figure (dB)"},
    {"Label16", "Antenna Gain (dB)"}, {"Label17", "G/T (dB/K)"}, {"Label19", "Latitude"},
    {"Label20", "Longitude"}, {"Label21", "Satellite position"},
    {"Label40", "(west = neg.  east = pos.)"}, {"Label23", "Azimuth angle (deg)"},
    {"Label24", "Polarization angle (deg)"}, {"Label22", "Elevation angle (deg)"},
    {"Label36", "Distance to satellite (km)"}, {"Label27", "N"}, {"Label28", "W"},
    {"Label29", "E"}, {"Label25", "S"}, {"Label18", "Eirp (dBW)"},
    {"Label26", "Dish Diameter (cm)"}, {"Label30", "Antenna Efficiency  (%)"},
    {"Label31", "Antenna Noise Temp. (K)"}, {"Label32", "System Noise Figure"},
    {"Label33", "Bandwidth (MHz)"}, {"Label35", "Distance to satellite (km)"},
    {"rainoff", "Clear sky"}, {"Option1", "Rain 5 mm/h"}, {"Option2", "Rain 10 mm/h"},
    {"Option3", "Rain 50 mm/h"}, {"Label34", "Carrier to Noise (dB)"}, {"Label38", "Elevation"},
    {"tant", "0"}, {"feedloss", "0"}, {"lnbnf", "1"}, {"lnbgain", "45"}, {"cableloss", "10"},
    {"ifnf", "10"}, {"ifgain", "15"}, {"cableloss2", "10"}, {"recnf", "10"}, {"nf", "1"},
    {"nt", "75"}, {"diameter1", "1"}, {"eff", "60"}, {"frekvens", "12"}, {"snf", "1"},
    {"again", "50"}, {"Latitud", "60"}, {"longitud", "15"}, {"satposition", "0"},
    {"eirp", "40"}, {"diam", "150"}, {"efficiency", "60"}, {"ta", "30"}, {"nflnb", "1"},
    {"bw", "30"}, {"cnel", ""},
};

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

struct Range {
  const char* name;
  int min, max, value;
  const char* quantity;
};

const Range kRanges[] = {
    {"HScroll1", 0, 100, 10, "LNB Noise Figure (dB)"},
    {"HScroll2", 0, 80, 45, "Gain LNB (dB)"},
    {"HScroll3", 0, 100, 10, "Cable Loss (dB)"},
    {"HScroll4", 0, 30, 10, "IF amplifier noise figure (dB)"},
    {"HScroll5", 0, 200, 10, "Noise Figure (dB)"},
    {"HScroll6", 0, 10000, 75, "Noise Temperature (K)"},
    {"HScroll7", 0, 30, 0, "Feed Losses (dB)"},
    {"HScroll8", 1, 100, 10, "Dish Diameter (m)"},
    {"HScroll9", 1, 200, 60, "Efficiency (%)"},
    {"HScroll10", 10, 300, 120, "Frequency (GHz)"},
    {"HScroll11", 0, 400, 0, "Antenna noise temperature (K)"},
    {"HScroll12", 0, 50, 10, "Cable Loss (dB)"},
    {"HScroll13", 1, 30, 10, "Receiver Noise Figure (dB)"},
    {"HScroll14", 0, 50, 15, "IF Amplifier Gain (dB)"},
    {"HScroll15", 1, 100, 10, "System Noise Figure (dB)"},
    {"HScroll16", 10, 800, 500, "Antenna Gain (dB)"},
    {"HScroll17", -90, 90, 60, "Latitude"},
    {"HScroll18", -180, 180, 15, "Longitude"},
    {"HScroll19", -180, 180, 0, "Satellite position"},
    {"HScroll20", 0, 70, 40, "Eirp (dBW)"},
    {"HScroll21", 20, 500, 150, "Dish Diameter (cm)"},
    {"HScroll22", 1, 100, 60, "Antenna Efficiency  (%)"},
    {"HScroll23", 0, 100, 30, "Antenna Noise Temp. (K)"},
    {"HScroll24", 1, 100, 10, "System Noise Figure"},
    {"HScroll25", 1, 100, 30, "Bandwidth (MHz)"},
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
  void captions_data();
  void captions();
  void tooltips_data();
  void tooltips();
  void sliders_data();
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
  QCOMPARE(actions.size(), 1);
  QCOMPARE(actions.front()->text(), QStringLiteral("About"));
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

void LayoutTest::geometry_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("twips");
  for (const Placed& p : kPlaced) {
    QTest::addRow("p%d/%s", p.page, p.name)
        << p.page << QString::fromLatin1(p.name) << QRect(p.left, p.top, p.width, p.height);
  }
}

void LayoutTest::geometry() {
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(QRect, twips);
  QWidget* c = control(*window_, name);
  QVERIFY2(c, qPrintable(name));
  QCOMPARE(pageOf(*window_, c), page);
  // Page controls count from SSTab1's corner, the others from the client area.
  QWidget* origin = page < 0 ? window_->centralWidget() : window_->tabControl();
  const QRect px(c->mapTo(origin, QPoint(0, 0)), c->size());
  const auto near = [](int pixels, int tw) { return std::abs(pixels * 15 - tw) <= 7; };
  QVERIFY2(near(px.left(), twips.left()) && near(px.top(), twips.top()) &&
               near(px.width(), twips.width()) && near(px.height(), twips.height()),
           qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 px")
                          .arg(name)
                          .arg(px.left())
                          .arg(px.top())
                          .arg(px.width())
                          .arg(px.height())));
}

void LayoutTest::captions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  for (const auto& [name, caption] : kCaptions) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
  }
}

void LayoutTest::captions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QWidget* c = control(*window_, name);
  QVERIFY2(c, qPrintable(name));
  if (auto* label = qobject_cast<QLabel*>(c)) {
    QCOMPARE(label->text(), caption);
  } else {
    QCOMPARE(qobject_cast<QAbstractButton*>(c)->text(), caption);
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

void LayoutTest::sliders_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("min");
  QTest::addColumn<int>("max");
  QTest::addColumn<int>("value");
  QTest::addColumn<QString>("quantity");
  for (const Range& r : kRanges) {
    QTest::newRow(r.name) << QString::fromLatin1(r.name) << r.min << r.max << r.value
                          << QString::fromLatin1(r.quantity);
  }
}

void LayoutTest::sliders() {
  QFETCH(QString, name);
  QFETCH(int, min);
  QFETCH(int, max);
  QFETCH(int, value);
  QFETCH(QString, quantity);
  QScrollBar* bar = slider(*window_, name);
  QVERIFY2(bar, qPrintable(name));
  QCOMPARE(bar->orientation(), Qt::Horizontal);
  QCOMPARE(bar->minimum(), min);
  QCOMPARE(bar->maximum(), max);
  QCOMPARE(bar->value(), value);
  QCOMPARE(bar->singleStep(), 1);
  QCOMPARE(bar->pageStep(), 1);
  QVERIFY(bar->hasTracking());
  QCOMPARE(bar->accessibleName(), quantity);
  QVERIFY(!bar->accessibleDescription().isEmpty());
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
    const auto id = kestrion::textByName(it.key().toStdString());
    QVERIFY(id);
    QCOMPARE(it.value(), QString::fromStdString(window_->model().text(*id)));
  }
  QVERIFY(window_->findChild<QRadioButton*>("rainoff")->isChecked());
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
