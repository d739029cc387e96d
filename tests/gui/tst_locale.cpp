// The window shows the same texts whatever the user's locale: under Qt
// default locales and C locales that write a decimal comma, the same moves
// give, byte for byte, the labels they give under the C locale.
#include <QRadioButton>
#include <clocale>
#include <cstdio>
#include <locale>
#include <stdexcept>

#include "gui_helpers.h"

using namespace gui;

namespace {

struct Move {
  const char* control;  // a slider, or an option to click
  Qt::Key key;
  int times;
};

// Tenth labels, the converter's decimals, the southern sky and a rain
// allowance: the texts a decimal comma could get into.
const Move kMoves[] = {
    {"HScroll10", Qt::Key_Right, 4},  {"HScroll8", Qt::Key_Left, 3},
    {"HScroll9", Qt::Key_End, 1},     {"HScroll5", Qt::Key_Right, 3},
    {"HScroll6", Qt::Key_Left, 7},    {"HScroll1", Qt::Key_Left, 3},
    {"HScroll7", Qt::Key_Right, 2},   {"HScroll15", Qt::Key_Right, 5},
    {"HScroll16", Qt::Key_Right, 9},  {"HScroll17", Qt::Key_Left, 90},
    {"HScroll19", Qt::Key_Right, 20}, {"HScroll18", Qt::Key_Left, 25},
    {"Option1", Qt::Key_unknown, 1},  {"HScroll24", Qt::Key_Right, 3},
    {"HScroll21", Qt::Key_Left, 40},  {"Option3", Qt::Key_unknown, 1},
};

// Every text the window holds and every label it shows, after the moves.
QStringList session() {
  MainWindow w;
  w.show();
  visitAllPages(w);
  for (const Move& m : kMoves) {
    QWidget* c = control(w, QLatin1String(m.control));
    w.tabControl()->setCurrentIndex(pageOf(w, c));
    if (auto* option = qobject_cast<QRadioButton*>(c)) {
      QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
      continue;
    }
    c->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < m.times; ++i) {
      QTest::keyClick(c, m.key);
    }
  }
  QStringList texts;
  const auto labels = shownTexts(w);
  for (auto it = labels.begin(); it != labels.end(); ++it) {
    texts << it.key() + QStringLiteral(" shows ") + it.value();
  }
  for (std::size_t i = 0; i < kestrion::kValueCount; ++i) {
    const auto id = static_cast<kestrion::Value>(i);
    const std::string_view name = kestrion::name(id);
    texts << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                 QStringLiteral(" holds ") + QString::fromStdString(w.model().text(id));
  }
  return texts;
}

}  // namespace

class LocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void sameTexts_data();
  void sameTexts();

 private:
  QStringList reference_;
};

void LocaleTest::initTestCase() {
  cleanup();
  reference_ = session();
  // The moves were made, and there are decimals to show.
  QVERIFY(reference_.contains(QStringLiteral("Latitud shows -30")));
  QVERIFY(reference_.filter(QStringLiteral(".")).size() > 10);
}

void LocaleTest::cleanup() {
  QLocale::setDefault(QLocale::c());
  std::locale::global(std::locale::classic());
}

void LocaleTest::sameTexts_data() {
  QTest::addColumn<QLocale>("qtLocale");
  QTest::addColumn<QString>("cLocale");  // empty: the C locale stays "C"
  QTest::newRow("Qt German") << QLocale(QLocale::German, QLocale::Germany) << QString();
  QTest::newRow("Qt French") << QLocale(QLocale::French, QLocale::France) << QString();
  QTest::newRow("Qt German, de_DE.UTF-8")
      << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("de_DE.UTF-8");
  QTest::newRow("Qt French, fr_FR.UTF-8")
      << QLocale(QLocale::French, QLocale::France) << QStringLiteral("fr_FR.UTF-8");
}

void LocaleTest::sameTexts() {
  QFETCH(QLocale, qtLocale);
  QFETCH(QString, cLocale);
  QLocale::setDefault(qtLocale);
  QCOMPARE(QLocale().toString(1.5), QStringLiteral("1,5"));
  if (!cLocale.isEmpty()) {
    try {
      // Sets the C locale as well, as a desktop program's start does.
      std::locale::global(std::locale(cLocale.toStdString()));
    } catch (const std::runtime_error&) {
      QSKIP(qPrintable(cLocale + QStringLiteral(" is not installed")));
    }
    char written[8];
    std::snprintf(written, sizeof written, "%.1f", 1.5);
    QCOMPARE(written, "1,5");
  }
  QCOMPARE(session(), reference_);
}

QTEST_MAIN(LocaleTest)
#include "tst_locale.moc"
