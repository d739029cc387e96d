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

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), options_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kestrion3.0"));
  setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
  setPalette(windowPalette());
  setFont(controlFont());
  TextLabel::installAccessibility();

  buildMenu();
  buildControls();
  bindControls();
  setFocusOrder();

  // The window is loaded: the model fills the result labels.
  report(model_.Form_Load());
  showChanges();

  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenu() {
  QAction* about = menuBar()->addAction(QStringLiteral("About"));
  about->setObjectName(QStringLiteral("Ab"));
  connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
}

void MainWindow::buildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(toPixels(kClientArea).size());
  client->setAutoFillBackground(true);
  setCentralWidget(client);

  QStringList captions;
  for (std::string_view caption : kPageCaptions) {
    captions << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  }
  tabs_ = new TabControl(captions, client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setGeometry(toPixels(kTabControlRect));

  ControlFactory factory(model_, bound_, *options_);
  for (int page = 0; page < kPageCount; ++page) {
    factory.buildAll(pageControls(page), tabs_->page(page));
  }
  factory.buildAll(windowControls(), client);

  // Over the pictures, under nothing.
  QWidget* alignment = tabs_->page(kAlignmentPage);
  pointers_ = new PointerLayer(model_, alignment);
  pointers_->setObjectName(QStringLiteral("pointers"));
  pointers_->setGeometry(QRect(QPoint(), tabs_->size()));
  pointers_->raise();
}

void MainWindow::bindControls() {
  for (std::size_t i = 0; i < kSliderCount; ++i) {
    QScrollBar* bar = bound_.sliders[i];
    const auto id = static_cast<SliderId>(i);
    // The slider tells what it sets in the words of its value label.
    bar->setAccessibleDescription(bound_.texts[index(valueLabel(id))]->toolTip());
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar, id](int value) { sliderMoved(id, value, bar->isSliderDown()); });
  }
  connect(options_, &QButtonGroup::idClicked, this, &MainWindow::optionClicked);

  connect(findChild<QPushButton*>(QStringLiteral("quit")), &QPushButton::clicked, this, [] {
    QApplication::closeAllWindows();
    QApplication::quit();
  });
  connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
          &MainWindow::footprintPageRequested);
  connect(findChild<LinkLabel*>(QStringLiteral("Label37")), &LinkLabel::clicked, this,
          &MainWindow::homePageRequested);
}

void MainWindow::setFocusOrder() {
  QWidget* previous = nullptr;
  for (std::string_view name : kFocusOrder) {
    QWidget* w = name == "SSTab1"
                     ? tabs_->strip()
                     : findChild<QWidget*>(QString::fromUtf8(name.data(),
                                                             static_cast<qsizetype>(name.size())));
    Q_ASSERT(w);
    if (previous != nullptr) {
      setTabOrder(previous, w);
    }
    previous = w;
  }
  findChild<QWidget*>(QStringLiteral("quit"))->setFocus();
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
    // The hidden text boxes have no widget.
    if (texts.test(i) && bound_.texts[i] != nullptr) {
      bound_.texts[i]->setText(QString::fromStdString(model_.text(static_cast<TextId>(i))));
    }
  }
  if (model_.takeChangedLines().any()) {
    pointers_->linesChanged();
  }
}

void MainWindow::report(const Outcome& outcome) const {
  // The slider ranges keep every formula defined; a fault here is a bug.
  if (outcome) {
    qWarning("kestrion: %s", describe(*outcome).c_str());
  }
}

}  // namespace kestrion::ui
