#include "mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QtDebug>
#include <algorithm>
#include <vector>

#include "looks.h"
#include "pointerlayer.h"
#include "product.h"
#include "qtext.h"
#include "tabcontrol.h"
#include "tabstrip.h"
#include "textlabel.h"

namespace kestrion::ui {

namespace {

// The slider ranges keep every formula defined; a fault here is a bug.
void report(const Outcome& outcome) {
  if (outcome) {
    qWarning("kestrion: %s", describe(*outcome).c_str());
  }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), options_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(toQString(kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
  setPalette(windowPalette());
  setFont(controlFont());
  TextLabel::installAccessibility();

  buildMenu();
  buildWindow();
  buildPage(tabs_->currentIndex());
  connect(options_, &QButtonGroup::idClicked, this, &MainWindow::optionClicked);
  widget({FocusStop::Kind::Command, static_cast<std::uint8_t>(Command::quit)})->setFocus();

  // The window is loaded: the calculator fills the result labels.
  report(calculator_.load());
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
    captions << toQString(caption);
  }
  tabs_ = new TabControl(captions, client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setGeometry(toPixels(kTabControlRect));
  connect(tabs_, &TabControl::pageAboutToShow, this, &MainWindow::buildPage);

  ControlFactory(calculator_.window(), bound_, *options_, [this](Command c) {
    run(c);
  }).buildAll(windowControls(), client);
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
  ControlFactory(calculator_.window(), bound_, *options_, [this](Command c) {
    run(c);
  }).buildAll(pageControls(page), parent);

  for (std::size_t i = 0; i < kInputCount; ++i) {
    const auto id = static_cast<Input>(i);
    if (spec(id).page != page) {
      continue;
    }
    QScrollBar* bar = bound_.sliders[i];
    // The slider tells what it sets in the words of its value label.
    bar->setAccessibleDescription(bound_.texts[index(valueLabel(id))]->toolTip());
    connect(bar, &QScrollBar::valueChanged, this,
            [this, id](int value) { sliderMoved(id, value); });
  }
  if (page == kAlignmentPage) {
    // Over the pictures, under nothing.
    pointers_ = new PointerLayer(calculator_.window(), parent);
    pointers_->setObjectName(QStringLiteral("pointers"));
    pointers_->setGeometry(QRect(QPoint(), tabs_->size()));
  }
}

void MainWindow::run(Command command) {
  switch (command) {
    case Command::quit:
      QApplication::closeAllWindows();
      QApplication::quit();
      break;
    case Command::footprints:
      Q_EMIT footprintPageRequested();
      break;
    case Command::homePage:
      Q_EMIT homePageRequested();
      break;
  }
}

QWidget* MainWindow::widget(const FocusStop& stop) const {
  switch (stop.kind) {
    case FocusStop::Kind::Tabs:
      return tabs_->strip();
    case FocusStop::Kind::Slider:
      return bound_.sliders.at(stop.id);
    case FocusStop::Kind::Option:
      return bound_.options.at(stop.id);
    case FocusStop::Kind::Command:
      return bound_.commands.at(stop.id);
  }
  return nullptr;
}

// Tab walks the controls in the window's own order rather than in the order
// the pages happened to be built. Of the option group only the selected
// button is a stop, as usual for radio buttons. A control of a page not
// built yet is on a hidden page, which focus skips anyway.
bool MainWindow::focusNextPrevChild(bool next) {
  std::vector<QWidget*> stops;
  for (const FocusStop& stop : focusOrder()) {
    QWidget* w = widget(stop);
    if (w == nullptr || !w->isVisibleTo(this) || !w->isEnabled() ||
        (w->focusPolicy() & Qt::TabFocus) == 0) {
      continue;
    }
    if (stop.kind == FocusStop::Kind::Option && !static_cast<QRadioButton*>(w)->isChecked()) {
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

void MainWindow::sliderMoved(Input id, int position) {
  // The scroll bar keeps the position inside the range the model gave it.
  calculator_.window().moveSlider(id, static_cast<std::int16_t>(position));
  report(calculator_.sliderMoved(id));
  showChanges();
}

void MainWindow::optionClicked(int option) {
  report(calculator_.selectRain(static_cast<Rain>(option)));
  showChanges();
}

void MainWindow::showChanges() {
  Window& model = calculator_.window();
  const auto texts = model.takeChangedTexts();
  for (std::size_t i = 0; i < kValueCount; ++i) {
    // Hidden text boxes and pages not shown yet have no widget.
    if (texts.test(i) && bound_.texts[i] != nullptr) {
      bound_.texts[i]->setText(QString::fromStdString(model.text(static_cast<Value>(i))));
    }
  }
  if (model.takeChangedLines().any() && pointers_ != nullptr) {
    pointers_->linesChanged();
  }
}

}  // namespace kestrion::ui
