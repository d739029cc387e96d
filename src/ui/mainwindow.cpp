#include "mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStringList>
#include <QtDebug>
#include <algorithm>
#include <vector>

#include "accessibility.h"
#include "angleeditor.h"
#include "engine/dms_text.h"
#include "jobmenus.h"
#include "jobstate.h"
#include "language.h"
#include "localclock.h"
#include "looks.h"
#include "model/numtext.h"
#include "motordialog.h"
#include "narrator.h"
#include "pointerlayer.h"
#include "product.h"
#include "qtext.h"
#include "rainavailabilitydialog.h"
#include "rangebox.h"
#include "sundialog.h"
#include "tabcontrol.h"
#include "tabstrip.h"
#include "textlabel.h"

namespace kestrion::ui {

namespace {

// Where the offset angle is kept between runs.
const QString kOffsetKey = QStringLiteral("dish/offsetAngleTenths");

int storedOffsetTenths() {
  return std::clamp(QSettings().value(kOffsetKey, 0).toInt(), 0, kMaxOffsetTenths);
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
  setWindowTitle(toQString(kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.svg")));
  setPalette(windowPalette());
  setFont(controlFont());
  installAccessibility();

  narrator_ = new Narrator(*this, [this] {
    const JobState state = jobState();
    return toQString(reportOf(state).spokenResults(currentPage()));
  });
  buildMenu();
  buildWindow();
  buildPage(tabs_->currentIndex());
  connect(options_, &QButtonGroup::idClicked, this, &MainWindow::optionClicked);
  widget({FocusStop::Kind::Command, static_cast<std::uint8_t>(Command::quit)})->setFocus();

  // The window is loaded: the calculator fills the result labels. It never
  // faults: the sliders start inside their ranges.
  if (const RunResult loaded = session_.load(); loaded.status != RunStatus::ran) {
    qWarning("kestrion: %s", loaded.message.c_str());
  }
  showChanges();

  // Fixed now rather than on show: a size fixed after the platform window
  // exists must be passed on to it, and not every platform can.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layout()->activate();
}

void MainWindow::buildMenu() {
  QAction* about = menuBar()->addAction(tr("About"));
  about->setObjectName(QStringLiteral("Ab"));
  connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
  // After About, so that nothing already on the bar moves.
  jobMenus_ = new JobMenus(*this, *menuBar());
  // In a menu the bar has already, so that the bar and the pages look as
  // they did; the C/N page offers it on its context menu too.
  rainAction_ = new QAction(tr("&Rain availability (ITU-R)\u2026"), this);
  rainAction_->setObjectName(QStringLiteral("rainAvailabilityAction"));
  connect(rainAction_, &QAction::triggered, this, &MainWindow::openRainAvailability);
  jobMenus_->editMenu()->addSeparator();
  jobMenus_->editMenu()->addAction(rainAction_);
  auto* sun = jobMenus_->editMenu()->addAction(tr("The &sun: direction, outages, obstacles\u2026"));
  sun->setObjectName(QStringLiteral("sunAction"));
  connect(sun, &QAction::triggered, this, &MainWindow::openSun);
  QAction* motor = jobMenus_->editMenu()->addAction(tr("&Motor and multifeed\u2026"), this,
                                                    &MainWindow::openMotor);
  motor->setObjectName(QStringLiteral("motorAction"));
  // F10 opens the menu bar from anywhere in the window, as on other desktops;
  // the arrow keys then walk it and Enter chooses.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  f10->setContext(Qt::WindowShortcut);
  connect(f10, &QShortcut::activated, this, [this] {
    menuBar()->setFocus(Qt::ShortcutFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
  });
}

void MainWindow::buildWindow() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(toPixels(kClientArea).size());
  client->setAutoFillBackground(true);
  setCentralWidget(client);

  QStringList captions;
  for (std::string_view caption : kPageCaptions) {
    captions << translated("Caption", caption);
  }
  tabs_ = new TabControl(captions, client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setGeometry(toPixels(kTabControlRect));
  connect(tabs_, &TabControl::pageAboutToShow, this, &MainWindow::buildPage);
  connect(tabs_->strip(), &TabStrip::currentChanged, this, &MainWindow::pageShown);
  // A screen reader keeps quiet about what the mouse clicked, as the one who
  // clicked knows; a listener who clicked a tab hears the page named.
  connect(tabs_->strip(), &TabStrip::clicked, this,
          [this](int page) { narrator_->tell(tabs_->strip()->tabText(page)); });

  ControlFactory(session_.calculator().window(), bound_, *options_, [this](Command c) {
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
  ControlFactory(session_.calculator().window(), bound_, *options_, [this](Command c) {
    run(c);
  }).buildAll(pageControls(page), parent);

  for (std::size_t i = 0; i < kInputCount; ++i) {
    const auto id = static_cast<Input>(i);
    if (inputSpec(id).page != page) {
      continue;
    }
    QScrollBar* bar = bound_.sliders[i];
    // The slider tells what it sets in the words of its value label; its
    // caption and value box label it for a screen reader.
    TextLabel* box = bound_.texts[index(valueLabel(id))];
    bar->setAccessibleDescription(box->toolTip());
    box->setBuddy(bar);
    if (QLabel* caption = bound_.captions[i]) {
      caption->setBuddy(bar);
    }
    connect(bar, &QScrollBar::valueChanged, this,
            [this, id](int value) { sliderMoved(id, value); });
  }
  if (page == kAlignmentPage) {
    // Over the pictures, under nothing.
    pointers_ = new PointerLayer(session_.calculator().window(), parent);
    pointers_->setObjectName(QStringLiteral("pointers"));
    pointers_->setGeometry(QRect(QPoint(), tabs_->size()));
    buildPointing(parent);
  }
  if (page == kCarrierToNoisePage) {
    parent->setContextMenuPolicy(Qt::ActionsContextMenu);
    parent->addAction(rainAction_);
  }
}

// The pointing aids are worked out only once their page is shown, so the
// magnetic model is read then, not at start-up.
void MainWindow::buildPointing(QWidget* page) {
  Q_UNUSED(page);
  for (const TypedEntryKind& entry : kTypedEntries) {
    connect(bound_.texts[index(valueLabel(entry.input))], &TextLabel::doubleClicked, this,
            [this, id = entry.input] { editAngle(id); });
    bound_.sliders[index(entry.input)]->installEventFilter(this);
  }
  QDoubleSpinBox* offset = bound_.offsetAngle;
  session_.setOffsetTenths(storedOffsetTenths());
  offset->setValue(session_.offsetTenths() / 10.0);
  // The typing's end clears the last refusal; a new one follows it.
  connect(offset, &QDoubleSpinBox::editingFinished, this, [this] { showOffsetProblem({}); });
  connect(static_cast<RangeBox*>(offset), &RangeBox::refused, this, &MainWindow::showOffsetProblem);
  connect(offset, &QDoubleSpinBox::valueChanged, this, [this](double degrees) {
    showOffsetProblem({});
    session_.setOffsetTenths(static_cast<int>(std::lround(degrees * 10)));
    QSettings().setValue(kOffsetKey, session_.offsetTenths());
    showPointing();
    narrator_->inputChanged();
  });
  showPointing();
  showSatelliteName();
}

void MainWindow::showOffsetProblem(const QString& problem) const {
  QDoubleSpinBox* offset = bound_.offsetAngle;
  auto* message = offset->parentWidget()->findChild<QLabel*>(QStringLiteral("offsetProblem"));
  if (message == nullptr) {
    if (problem.isEmpty()) {
      return;
    }
    // Made on the first refusal, so the page is as it was until then.
    message = new QLabel(offset->parentWidget());
    message->setObjectName(QStringLiteral("offsetProblem"));
    applyLook(*message, Look::Warning);
    message->setAutoFillBackground(true);
    message->setFrameStyle(QFrame::Box);
  }
  offset->setAccessibleDescription(problem);
  message->setText(problem);
  message->setVisible(!problem.isEmpty());
  const int width = 260;
  const int left = std::min(offset->x(), offset->parentWidget()->width() - width - 4);
  message->setGeometry(left, offset->y() + offset->height() + 2, width,
                       message->heightForWidth(width) + 4);
  message->raise();
}

void MainWindow::showPointing() {
  if (!built_.test(kAlignmentPage)) {
    return;
  }
  const JobState state = session_.reportState();
  const Pointing& p = state.pointing;
  const Report report = reportOf(state);
  aid(Aid::magneticBearing)->setText(toQString(p.magneticAzimuth));
  aid(Aid::declination)->setText(toQString(report.declination()));
  aid(Aid::faceTilt)->setText(toQString(report.faceTilt()));
  aid(Aid::skewDirection)->setText(toQString(report.skewDirectionShort()));
  aid(Aid::skewDirection)->setAccessibleDescription(toQString(report.skewDirection()));
  // A word or two on the page; the whole sentences in the tooltip.
  QStringList shortForms;
  for (const std::string& warning : report.shortWarnings()) {
    shortForms << toQString(warning);
  }
  aid(Aid::warnings)->setText(shortForms.join(QLatin1Char(' ')));
  QStringList sentences;
  for (const std::string& w : p.warnings) {
    sentences << toQString(w);
  }
  aid(Aid::warnings)->setToolTip(sentences.join(QLatin1Char('\n')));
  aid(Aid::warnings)->setAccessibleDescription(sentences.join(QLatin1Char(' ')));
  pointers_->setMagneticNorth(p.declination);
}

TextLabel* MainWindow::aid(Aid id) const {
  return bound_.aids.at(static_cast<std::size_t>(id));
}

// The satellite's name beside its position: as typed and found, or a saved
// name that names another position, marked as not matching.
void MainWindow::showSatelliteName() {
  TextLabel* name = aid(Aid::satelliteName);
  if (name == nullptr) {
    return;
  }
  QPalette palette = name->palette();
  palette.setColor(QPalette::WindowText, mismatchedName_.isEmpty()
                                             ? this->palette().color(QPalette::WindowText)
                                             : warningColour());
  name->setPalette(palette);
  name->setText(mismatchedName_.isEmpty() ? toQString(session_.calculator().satelliteName())
                                          : tr("%1: not this position").arg(mismatchedName_));
}

void MainWindow::setDate(calc::CalendarDate date) {
  session_.setDate(date);
  showPointing();
}

void MainWindow::editAngle(Input id) {
  if (!built_.test(kAlignmentPage) || !editor_.isNull()) {
    return;
  }
  const auto* typed = std::find_if(kTypedEntries.begin(), kTypedEntries.end(),
                                   [id](const TypedEntryKind& t) { return t.input == id; });
  if (typed == kTypedEntries.end()) {
    return;
  }
  static const std::vector<Satellite> kNone;
  editor_ =
      new AngleEditor(typed->kind, bound_.texts[index(valueLabel(id))],
                      typed->kind == AngleKind::Satellite ? session_.satellites().all() : kNone);
  connect(editor_, &AngleEditor::committed, this,
          [this, id](const AngleEntry& entry) { angleEntered(id, entry); });
  connect(editor_, &AngleEditor::closed, this, [this, id] {
    if (QScrollBar* bar = bound_.sliders[index(id)]; bar != nullptr && bar->isVisible()) {
      bar->setFocus(Qt::OtherFocusReason);
    }
  });
}

// The offset angle is the box's once the alignment page is built. Until
// then it is the one kept between runs, read when asked for, so that
// start-up reads no settings.
void MainWindow::takeStoredOffset() {
  if (!built_.test(kAlignmentPage)) {
    session_.setOffsetTenths(storedOffsetTenths());
  }
}

JobState MainWindow::jobState() {
  takeStoredOffset();
  JobState state = session_.reportState(siteName_.toStdString());
  state.clock = localClock();
  return state;
}

void MainWindow::openRainAvailability() {
  if (rainDialog_ == nullptr) {
    rainDialog_ = new RainAvailabilityDialog(*this);
  } else {
    rainDialog_->showAll();
  }
  rainDialog_->show();
  rainDialog_->raise();
  rainDialog_->activateWindow();
}

void MainWindow::openSun() {
  if (sunDialog_ == nullptr) {
    sunDialog_ = new SunDialog(*this);
  } else {
    sunDialog_->showAll();
  }
  sunDialog_->show();
  sunDialog_->raise();
  sunDialog_->activateWindow();
}

void MainWindow::openMotor() {
  if (motorDialog_ == nullptr) {
    motorDialog_ = new MotorDialog(*this);
  } else {
    motorDialog_->showAll();
  }
  motorDialog_->show();
  motorDialog_->raise();
  motorDialog_->activateWindow();
}

int MainWindow::currentPage() const {
  return tabs_->currentIndex();
}

Site MainWindow::site(const QString& name) {
  takeStoredOffset();
  const Window& w = session_.calculator().window();
  return {name,
          toQString(w.text(Input::latitude)),
          toQString(w.text(Input::longitude)),
          toQString(w.text(Input::satellite)),
          toQString(session_.calculator().satelliteName()),
          session_.offsetTenths(),
          0};
}

void MainWindow::focusInput(Input input) {
  const InputSpec& slider = inputSpec(input);
  tabs_->setCurrentIndex(slider.page);
  if (auto* control = findChild<QWidget*>(toQString(slider.name))) {
    control->setFocus(Qt::OtherFocusReason);
  }
  raise();
  activateWindow();
}

// The offset box ends its typing when the focus leaves it as the window's
// widgets are destroyed; by then this is a MainWindow no more.
MainWindow::~MainWindow() {
  if (bound_.offsetAngle != nullptr) {
    bound_.offsetAngle->disconnect(this);
  }
}

// The page the site's values belong to comes to the front, built if need be.
void MainWindow::enterSite(const Site& site) {
  tabs_->setCurrentIndex(kAlignmentPage);
  for (const TypedEntryKind& entry : kTypedEntries) {
    const QString& text = entry.input == Input::latitude    ? site.latitude
                          : entry.input == Input::longitude ? site.longitude
                                                            : site.satellite;
    auto reading = readAngle(text.toStdString(), entry.kind);
    if (!reading.entry) {
      continue;  // the store refuses such a site when it reads it
    }
    if (entry.kind == AngleKind::Satellite && site.satelliteNameMatches) {
      reading.entry->satellite = site.satelliteName.toStdString();
    }
    angleEntered(entry.input, *reading.entry);
  }
  // The position decides; a name that names another is shown as such and
  // goes no further (not into the sheet, not into a site saved again).
  if (!site.satelliteNameMatches) {
    mismatchedName_ = site.satelliteName;
    showSatelliteName();
  }
  bound_.offsetAngle->setValue(site.offsetTenths / 10.0);
  siteName_ = site.name;
}

bool MainWindow::runEvents(const QStringList& events, QString* error) {
  for (const QString& event : events) {
    if (const RunResult result = session_.run(event.toStdString());
        result.status != RunStatus::ran) {
      *error = toQString(result.message);
      return false;
    }
  }
  // The thumbs and the option follow the model without raising their events.
  const Window& model = session_.calculator().window();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    if (QScrollBar* bar = bound_.sliders[i]) {
      const QSignalBlocker quiet(bar);
      bar->setValue(model.slider(static_cast<Input>(i)).position);
    }
  }
  if (QRadioButton* option = bound_.options[index(model.rain())]) {
    option->setChecked(true);
  }
  // Refreshes the pointing aids too when the events moved the site.
  showChanges();
  if (rainDialog_ != nullptr) {
    rainDialog_->showAll();
  }
  return true;
}

void MainWindow::angleEntered(Input id, const AngleEntry& entry) {
  report(session_.calculator().enter(id, entry));
  // The thumb follows to the nearest whole degree without raising its events.
  {
    const QSignalBlocker quiet(bound_.sliders[index(id)]);
    bound_.sliders[index(id)]->setValue(session_.calculator().window().slider(id).position);
  }
  showChanges();
  narrator_->inputChanged();
}

// Enter or F2 on the latitude, longitude or satellite slider opens its editor.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
      for (const TypedEntryKind& entry : kTypedEntries) {
        if (watched == bound_.sliders[index(entry.input)]) {
          editAngle(entry.input);
          return true;
        }
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
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
    case FocusStop::Kind::OffsetAngle:
      return bound_.offsetAngle;
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
  Calculator& calculator = session_.calculator();
  calculator.window().moveSlider(id, static_cast<std::int16_t>(position));
  report(calculator.sliderMoved(id));
  showChanges();
  narrator_->inputChanged();
}

void MainWindow::optionClicked(int option) {
  report(session_.calculator().selectRain(static_cast<Rain>(option)));
  showChanges();
  narrator_->inputChanged();
}

// The strip tells its own tab when it has the focus, and a page the focus
// moved into is named as the focus enters it; else the page is named here.
void MainWindow::pageShown(int page) {
  narrator_->pageChanged();
  const QWidget* focus = QApplication::focusWidget();
  if (focus != tabs_->strip() && !tabs_->page(page)->isAncestorOf(focus)) {
    narrator_->tell(tabs_->strip()->tabText(page));
  }
}

void MainWindow::showChanges() {
  Window& model = session_.calculator().window();
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
  if (texts.test(index(valueLabel(Input::satellite)))) {
    mismatchedName_.clear();
    showSatelliteName();
  }
  constexpr std::array kPointingInputs{valueLabel(Input::latitude), valueLabel(Input::longitude),
                                       Value::azimuth, Value::elevation};
  if (std::any_of(kPointingInputs.begin(), kPointingInputs.end(),
                  [&texts](Value v) { return texts.test(index(v)); })) {
    showPointing();
  }
  if (motorDialog_ != nullptr && motorDialog_->isVisible() && texts.any()) {
    motorDialog_->showAll();
  }
  if (rainDialog_ != nullptr && rainDialog_->isVisible() && texts.any()) {
    rainDialog_->showAll();
  }
}

}  // namespace kestrion::ui
