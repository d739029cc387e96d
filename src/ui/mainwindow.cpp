#include "mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QtDebug>
#include <algorithm>
#include <vector>

#include "linklabel.h"
#include "looks.h"
#include "model/fault.h"
#include "pointerlayer.h"
#include "tabcontrol.h"
#include "tabstrip.h"
#include "textlabel.h"

namespace kestrion::ui {

namespace {

constexpr int kAlignmentPage = 4;

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The slider ranges keep every formula defined; a fault here is a bug.
void report(const Outcome& outcome) {
  if (outcome) {
    qWarning("kestrion: %s", describe(*outcome).c_str());
  }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), options_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kestrion3.0"));
  setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
  setPalette(windowPalette());
  setFont(controlFont());
  TextLabel::installAccessibility();

  buildMenu();
  buildWindow();
  buildPage(tabs_->currentIndex());
  connect(options_, &QButtonGroup::idClicked, this, &MainWindow::optionClicked);
  findChild<QWidget*>(QStringLiteral("quit"))->setFocus();

  // The window is loaded: the model fills the result labels.
  report(model_.Form_Load());
  showChanges();

  // Fixed now rather than on show: a size fixed after the platform window
  // exists must be passed on to it, and not every platform can.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
}

void MainWindow::buildMenu() {
  QAction* about = menuBar()->addAction(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("Ab"));
  connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
}

void MainWindow::buildWindow() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(toPixels(kClientArea).size());
  client->setAutoFillBackground(true);
  setCentralWidget(client);

  QStringList captions;
  for (std::string_view caption : kPageCaptions) {
    captions << qs(caption);
  }
  tabs_ = new TabControl(captions, client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setGeometry(toPixels(kTabControlRect));
  connect(tabs_, &TabControl::pageAboutToShow, this, &MainWindow::buildPage);

  ControlFactory(model_, bound_, *options_).buildAll(windowControls(), client);
  connect(findChild<QPushButton*>(QStringLiteral("quit")), &QPushButton::clicked, this, [] {
    QApplication::closeAllWindows();
    QApplication::quit();
  });
  connect(findChild<LinkLabel*>(QStringLiteral("Label37")), &LinkLabel::clicked, this,
          &MainWindow::homePageRequested);
}

// A page's widgets are made when it is first shown: the model holds every
// text all along, so a late page shows the same as an early one, and the
// window opens sooner.
void MainWindow::buildPage(int page) {
  if (built_.test(static_cast<std::size_t>(page))) {
    return;
  }
  built_.set(static_cast<std::size_t>(page));
  QWidget* parent = tabs_->page(page);
  ControlFactory(model_, bound_, *options_).buildAll(pageControls(page), parent);

  for (std::size_t i = 0; i < kSliderCount; ++i) {
    QScrollBar* bar = bound_.sliders[i];
    if (bar == nullptr || bar->parentWidget() != parent) {
      continue;
    }
    const auto id = static_cast<SliderId>(i);
    // The slider tells what it sets in the words of its value label.
    bar->setAccessibleDescription(bound_.texts[index(valueLabel(id))]->toolTip());
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar, id](int value) { sliderMoved(id, value, bar->isSliderDown()); });
  }
  if (auto* footprints = parent->findChild<QPushButton*>(QStringLiteral("Command2"))) {
    connect(footprints, &QPushButton::clicked, this, &MainWindow::footprintPageRequested);
  }
  if (page == kAlignmentPage) {
    // Over the pictures, under nothing.
    pointers_ = new PointerLayer(model_, parent);
    pointers_->setObjectName(QStringLiteral("pointers"));
    pointers_->setGeometry(QRect(QPoint(), tabs_->size()));
  }
}

// Tab walks the controls in the window's own order rather than in the order
// the pages happened to be built. Of the option group only the selected
// button is a stop, as usual for radio buttons.
bool MainWindow::focusNextPrevChild(bool next) {
  std::vector<QWidget*> stops;
  for (std::string_view name : kFocusOrder) {
    QWidget* w = name == "SSTab1" ? tabs_->strip() : findChild<QWidget*>(qs(name));
    if (w == nullptr || !w->isVisibleTo(this) || !w->isEnabled() ||
        (w->focusPolicy() & Qt::TabFocus) == 0) {
      continue;
    }
    if (auto* option = qobject_cast<QAbstractButton*>(w);
        option != nullptr && option->group() == options_ && !option->isChecked()) {
      continue;
    }
    stops.push_back(w);
  }
  if (stops.empty()) {
    return QMainWindow::focusNextPrevChild(next);
  }
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const auto at = std::find(stops.begin(), stops.end(), focusWidget()) - stops.begin();
  const std::ptrdiff_t to = at == n ? 0 : (at + (next ? 1 : n - 1)) % n;
  stops[static_cast<std::size_t>(to)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void MainWindow::sliderMoved(SliderId id, int position, bool dragging) {
  // The scroll bar keeps the position inside the range the model gave it.
  model_.moveSlider(id, static_cast<std::int16_t>(position));
  report(model_.raise(id, dragging ? SliderEvent::Scroll : SliderEvent::Change));
  showChanges();
}

void MainWindow::optionClicked(int option) {
  report(model_.click(static_cast<OptionId>(option)));
  showChanges();
}

void MainWindow::showChanges() {
  const auto texts = model_.takeChangedTexts();
  for (std::size_t i = 0; i < kTextCount; ++i) {
    // Hidden text boxes and pages not shown yet have no widget.
    if (texts.test(i) && bound_.texts[i] != nullptr) {
      bound_.texts[i]->setText(QString::fromStdString(model_.text(static_cast<TextId>(i))));
    }
  }
  if (model_.takeChangedLines().any() && pointers_ != nullptr) {
    pointers_->linesChanged();
  }
}

}  // namespace kestrion::ui
