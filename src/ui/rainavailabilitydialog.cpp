#include "rainavailabilitydialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <array>
#include <utility>

#include "calc/rain_fade.h"
#include "jobstate.h"
#include "looks.h"
#include "mainwindow.h"
#include "model/numtext.h"
#include "qtext.h"
#include "rangebox.h"
#include "session/rain_fade_availability.h"
#include "session/report.h"
#include "textlabel.h"

namespace kestrion::ui {
namespace {

using F = RainFadeField;

// Where the last event of each group of inputs is kept between runs.
QString settingsKey(F field) {
  return QStringLiteral("rainFade/") + toQString(rainSectionGroup(field));
}

// The rows top to bottom: the polarization above its tilt, each number above
// the choices that set it otherwise. True for a number box.
constexpr std::array<std::pair<bool, F>, 12> kRows{{
    {true, F::frequency},
    {false, F::tilt},
    {true, F::tilt},
    {true, F::rainRate},
    {false, F::rainZone},
    {false, F::rainRateMap},
    {true, F::rainHeight},
    {false, F::rainHeightMap},
    {true, F::stationHeight},
    {true, F::requiredCarrierToNoise},
    {false, F::requiredCarrierToNoise},
    {true, F::targetAvailability},
}};

QString eventText(F field, const QString& text) {
  return toQString(rainFadeField(field).name) + QStringLiteral(":=") + text;
}

// A box that takes more than it steps to: a value typed beyond the range
// reaches the rain fade, whose refusal says why (a station height in metres).
class RainBox : public RangeBox {
 public:
  explicit RainBox(RainFadeRange steps) : steps_(steps) {}

  void stepBy(int steps) override {
    const double next = value() + steps * singleStep();
    if (next > steps_.high || next < steps_.low) {
      setValue(std::clamp(next, steps_.low, steps_.high));
      return;
    }
    RangeBox::stepBy(steps);
  }

 protected:
  [[nodiscard]] StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (value() > steps_.low) {
      enabled |= StepDownEnabled;
    }
    if (value() < steps_.high) {
      enabled |= StepUpEnabled;
    }
    return enabled;
  }

 private:
  RainFadeRange steps_;
};

// A choice and its caption, named and described from the section's table.
void addChoice(QGridLayout& grid, RainFadeField field, QWidget* control) {
  const RainSectionChoice& choice = rainSectionChoice(field);
  const QString caption = translated("RainFade", choice.caption);
  control->setObjectName(toQString(choice.name));
  control->setAccessibleName(caption);
  control->setToolTip(translated("RainFade", choice.tooltip));
  const int row = grid.rowCount();
  auto* label = new QLabel(caption);
  label->setBuddy(control);
  grid.addWidget(label, row, 0);
  grid.addWidget(control, row, 1);
}

// A refusal in the window's language; a map's reading as it names the file.
QString refusalText(RainFadeField field, const QString& text, const std::string& line) {
  const auto words = rainFadeRefusalWords(field, text.toStdString());
  if (!words) {
    return toQString(line);
  }
  return toQString(sentenceIn(translatedText, "kestrion::ui::RainAvailabilityDialog",
                              words->sentence, words->arguments));
}

}  // namespace

RainAvailabilityDialog::RainAvailabilityDialog(MainWindow& window)
    : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("rainAvailability"));
  setWindowTitle(tr("Rain availability (ITU-R)"));
  setPalette(windowPalette());
  setFont(controlFont());

  auto* inputs = new QGroupBox(tr("Link and rain"), this);
  auto* grid = new QGridLayout;
  buildInputs(*grid);
  inputs->setLayout(grid);
  auto* results = new QGroupBox(tr("Availability"), this);
  auto* column = new QVBoxLayout(results);
  // Above the figures they are about, in the page's red.
  warnings_ = new QLabel;
  warnings_->setObjectName(QStringLiteral("rainWarnings"));
  warnings_->setWordWrap(true);
  applyLook(*warnings_, Look::Warning);
  warnings_->hide();
  column->addWidget(warnings_);
  figures_ = new QGridLayout;
  column->addLayout(figures_);
  column->addStretch();
  // Above and below both halves, as wide as the window: what the figures
  // start from with the way to change it, the example's note, and what the
  // figures mean.
  // One line each, as wide as the window.
  auto* notes = new QVBoxLayout;
  basis_ = new QLabel;
  basis_->setObjectName(QStringLiteral("rainBasis"));
  notes->addWidget(basis_);
  auto* change = new QPushButton(tr("Change on the C/N page"));
  change->setObjectName(QStringLiteral("rainChangeLink"));
  change->setAutoDefault(false);  // Enter ends the typing of a figure
  connect(change, &QPushButton::clicked, this, [this] { window_.focusInput(Input::eirp); });
  notes->addWidget(change, 0, Qt::AlignLeft);
  example_ = new QLabel;
  example_->setObjectName(QStringLiteral("rainExample"));
  notes->addWidget(example_);
  meanings_ = new QLabel;
  meanings_->setObjectName(QStringLiteral("rainMeanings"));

  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("rainProblem"));
  problem_->setWordWrap(true);
  applyLook(*problem_, Look::Warning);
  problem_->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  // Enter ends the typing of a figure: it neither closes the window nor
  // opens a map's file dialog.
  for (auto* button : findChildren<QPushButton*>()) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  auto* sides = new QHBoxLayout;
  sides->addWidget(inputs);
  sides->addWidget(results, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(notes);
  layout->addLayout(sides);
  layout->addWidget(meanings_);
  layout->addWidget(problem_);
  layout->addWidget(buttons);

  start();
  showAll();
}

void RainAvailabilityDialog::buildInputs(QGridLayout& grid) {
  for (const auto& [number, field] : kRows) {
    if (number) {
      addNumber(grid, field);
      if (field == F::tilt) {
        // The skew's tilts, one tap each, filled in by showNotes.
        tilts_ = new QWidget;
        tilts_->setObjectName(QStringLiteral("rainTiltsFromSkew"));
        new QHBoxLayout(tilts_);
        tilts_->layout()->setContentsMargins(0, 0, 0, 0);
        grid.addWidget(tilts_, grid.rowCount(), 1);
      }
      continue;
    }
    switch (field) {
      case F::tilt: {
        polarization_ = new QComboBox;
        for (const RainPolarization& p : rainPolarizations()) {
          polarization_->addItem(translated("RainFade", p.caption), toQString(p.word));
        }
        connect(polarization_, &QComboBox::activated, this, [this](int index) {
          const QString word = polarization_->itemData(index).toString();
          set(F::tilt,
              word.isEmpty() ? toQString(doubleText(numbers_.at(F::tilt)->value())) : word);
        });
        addChoice(grid, field, polarization_);
        break;
      }
      case F::rainZone: {
        zone_ = new QComboBox;
        zone_->addItem(translated("RainFade", rainSectionChoice(F::rainZone).typed));
        for (const char zone : calc::rainZones()) {
          zone_->addItem(QStringLiteral("%1: %2 mm/h")
                             .arg(QLatin1Char(zone))
                             .arg(toQString(doubleText(*calc::zoneRainRate(zone)))),
                         QString(QLatin1Char(zone)));
        }
        connect(zone_, &QComboBox::activated, this, [this](int index) {
          if (index > 0) {
            set(F::rainZone, zone_->itemData(index).toString());
          }
        });
        addChoice(grid, field, zone_);
        break;
      }
      case F::requiredCarrierToNoise: {
        modcod_ = new QComboBox;
        modcod_->addItem(
            translated("RainFade", rainSectionChoice(F::requiredCarrierToNoise).typed));
        for (std::size_t i = 0; i < calc::modcodCount(); ++i) {
          const QString name = toQString(calc::modcodName(i));
          modcod_->addItem(
              QStringLiteral("%1: %2 dB")
                  .arg(name, toQString(fixedText(*calc::modcodEsN0(calc::modcodName(i)), 2))),
              name);
        }
        connect(modcod_, &QComboBox::activated, this, [this](int index) {
          if (index > 0) {
            set(F::requiredCarrierToNoise, modcod_->itemData(index).toString());
          }
        });
        addChoice(grid, field, modcod_);
        break;
      }
      default: {  // a map
        auto* choose = new QPushButton(tr("Choose\u2026"));
        connect(choose, &QPushButton::clicked, this, [this, field = field] {
          const QString path = QFileDialog::getOpenFileName(
              this, translated("RainFade", rainSectionChoice(field).caption));
          if (!path.isEmpty()) {
            chooseMap(field, path);
          }
        });
        addChoice(grid, field, choose);
        auto* name = new QLabel;
        name->setObjectName(toQString(rainSectionChoice(field).name) + QStringLiteral("-file"));
        name->setBuddy(choose);
        mapNames_[field] = name;
        grid.addWidget(name, grid.rowCount() - 1, 2);
        addProblem(grid, field);
        break;
      }
    }
  }
}

void RainAvailabilityDialog::addNumber(QGridLayout& grid, RainFadeField field) {
  const RainSectionInput& input = rainSectionInput(field);
  const RainFadeRange typed = rainFadeTypingRange(field);
  auto* box = new RainBox(rainFadeRange(field));
  box->setObjectName(toQString(rainFadeField(field).name));
  // A setting of the calculator: written with a decimal point in every
  // language, as the value boxes are.
  box->setLocale(QLocale::c());
  box->setDecimals(input.decimals);
  box->setSingleStep(input.step);
  box->setRange(typed.low, typed.high);
  box->setSuffix(QLatin1Char(' ') + toQString(input.unit));
  // One event when the typing is done, not one a keystroke.
  box->setKeyboardTracking(false);
  const QString caption = translated("RainFade", input.caption);
  box->setAccessibleName(caption);
  box->setToolTip(translated("RainFade", input.tooltip));
  connect(box, &QDoubleSpinBox::valueChanged, this,
          [this, field](double value) { set(field, toQString(doubleText(value))); });
  connect(box, &RangeBox::refused, this,
          [this, field](const QString& problem) { showProblem(field, problem); });
  numbers_[field] = box;
  const int row = grid.rowCount();
  auto* label = new QLabel(caption);
  label->setBuddy(box);
  grid.addWidget(label, row, 0);
  grid.addWidget(box, row, 1);
  addProblem(grid, field);
}

void RainAvailabilityDialog::addProblem(QGridLayout& grid, RainFadeField field) {
  auto* problem = new QLabel;
  problem->setObjectName(toQString(rainFadeField(field).name) + QStringLiteral("-problem"));
  problem->setWordWrap(true);
  applyLook(*problem, Look::Warning);
  problem->hide();
  problems_[field] = problem;
  grid.addWidget(problem, grid.rowCount(), 1, 1, 2);
}

// Each group the rain fade has nothing of yet: the event kept from last time
// when it still runs (a map may have gone), else the group's start.
void RainAvailabilityDialog::start() {
  QSettings settings;
  QStringList problems;
  for (const std::string_view startEvent : rainSectionStart()) {
    const auto event = rainFadeEvent(startEvent);
    const auto& inputs = window_.rainFade();
    if (!event || (inputs && hasRainSectionGroup(*inputs, rainSectionGroup(event->field)))) {
      continue;
    }
    const std::string kept = settings.value(settingsKey(event->field)).toString().toStdString();
    if (const auto keptEvent = rainFadeEvent(kept)) {
      const auto problem = window_.setRainFade(keptEvent->field, keptEvent->text);
      if (!problem) {
        continue;
      }
      problems << refusalText(keptEvent->field, toQString(keptEvent->text), *problem);
    }
    window_.setRainFade(event->field, event->text);
  }
  if (!problems.isEmpty()) {
    showProblem(problems.join(QLatin1Char('\n')));
  }
}

bool RainAvailabilityDialog::set(RainFadeField field, const QString& text) {
  if (const auto problem = window_.setRainFade(field, text.toStdString())) {
    showProblem(field, refusalText(field, text, *problem));
    showInputs();
    return false;
  }
  QSettings().setValue(settingsKey(field), eventText(field, text));
  problem_->hide();
  // What was refused in the group is replaced now.
  for (const auto& [other, label] : problems_) {
    if (rainSectionGroup(other) == rainSectionGroup(field)) {
      label->hide();
    }
  }
  showAll();
  return true;
}

bool RainAvailabilityDialog::chooseMap(RainFadeField field, const QString& path) {
  return set(field, path);
}

void RainAvailabilityDialog::showProblem(const QString& problem) {
  problem_->setText(tr("Nothing was changed:") + QLatin1Char(' ') + problem);
  problem_->show();
}

// Beside the field when it has a place for it; the box keeps what is in force.
void RainAvailabilityDialog::showProblem(RainFadeField field, const QString& problem) {
  const auto at = problems_.find(field);
  if (at == problems_.end()) {
    showProblem(problem);
    return;
  }
  at->second->setText(problem);
  at->second->show();
  fitHeight();
}

// A window does not grow for the lines a wrapped message takes on its own;
// before it is first shown, showing sizes it.
void RainAvailabilityDialog::fitHeight() {
  if (!isVisible()) {
    return;
  }
  layout()->activate();
  const int needed =
      std::max(layout()->totalHeightForWidth(width()), layout()->totalMinimumSize().height());
  if (height() < needed) {
    resize(width(), needed);
  }
}

void RainAvailabilityDialog::showAll() {
  showInputs();
  showFigures();
}

// The boxes show what the rain fade works with: a zone's or a map's rate at
// the site too. Quietly, so that showing them sets nothing.
void RainAvailabilityDialog::showInputs() {
  const auto& inputs = window_.rainFade();
  if (!inputs) {
    return;
  }
  const RainSite site = rainSiteOf(window_.model());
  const auto show = [this](F field, std::optional<double> value) {
    QDoubleSpinBox* box = numbers_.at(field);
    const QSignalBlocker quiet(box);
    box->setValue(value.value_or(box->minimum()));
  };
  show(F::frequency, inputs->frequency);
  show(F::tilt, inputs->tilt);
  show(F::rainRate, rainRateAt(inputs->rainRate, site));
  show(F::rainHeight, rainHeightAt(inputs->rainHeight, site));
  show(F::stationHeight, inputs->stationHeight);
  show(F::requiredCarrierToNoise, inputs->requiredCarrierToNoise);
  show(F::targetAvailability, inputs->targetAvailability);
  const auto choose = [](QComboBox* box, const QString& data) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(std::max(0, box->findData(data)));
  };
  choose(polarization_, toQString(inputs->polarization));
  choose(zone_, inputs->rainRate.zone ? QString(QLatin1Char(*inputs->rainRate.zone)) : QString());
  choose(modcod_, toQString(inputs->modcod));
  numbers_.at(F::tilt)->setEnabled(inputs->polarization.empty());
  const auto mapName = [this](F field, const std::string& path) {
    mapNames_.at(field)->setText(path.empty() ? tr("not used")
                                              : QFileInfo(toQString(path)).fileName());
    mapNames_.at(field)->setToolTip(toQString(path));
  };
  mapName(F::rainRateMap, inputs->rainRate.map ? inputs->rainRate.mapPath : std::string());
  mapName(F::rainHeightMap, inputs->rainHeight.map ? inputs->rainHeight.mapPath : std::string());
}

// The report's rows, caption and value box, as the C/N page shows its
// results; the boxes are made once and kept, so a screen reader keeps them.
void RainAvailabilityDialog::showNotes(const Report& report) {
  const Report::RainFadeNotes notes = report.rainFadeNotes();
  basis_->setText(toQString(notes.basis));
  example_->setText(toQString(notes.example));
  example_->setVisible(!notes.example.empty());
  QStringList meanings;
  for (const std::string& m : notes.meanings) {
    meanings << toQString(m);
  }
  meanings_->setText(meanings.join(QLatin1Char('\n')));
  // A lone label's own height is a pixel short of its text's.
  for (QLabel* label : {basis_, example_, meanings_}) {
    label->setMinimumHeight(label->fontMetrics()
                                .boundingRect(QRect(0, 0, 10000, 10000),
                                              static_cast<int>(label->alignment()), label->text())
                                .height());
  }
  for (auto* old : tilts_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    delete old;
  }
  for (const Report::RainFadeAction& action : notes.tiltFromSkew) {
    auto* button = new QPushButton(toQString(action.caption), tilts_);
    button->setAutoDefault(false);
    const QString value = toQString(action.event.substr(action.event.find(":=") + 2));
    connect(button, &QPushButton::clicked, this, [this, value] {
      if (set(F::tilt, value)) {
        showAll();
      }
    });
    tilts_->layout()->addWidget(button);
  }
}

void RainAvailabilityDialog::showFigures() {
  const JobState state = window_.jobState();
  const Report report = reportOf(state);
  showNotes(report);
  const std::vector<Quantity> rows = report.rainFadeResults();
  QStringList warnings;
  for (const std::string& warning : report.rainFadeWarnings()) {
    warnings << toQString(warning);
  }
  warnings_->setText(warnings.join(QLatin1Char('\n')));
  warnings_->setAccessibleName(warnings_->text());
  warnings_->setVisible(!warnings.isEmpty());
  fitHeight();
  while (figures_->rowCount() > 0 && figures_->count() > 2 * static_cast<int>(rows.size())) {
    QLayoutItem* item = figures_->takeAt(figures_->count() - 1);
    delete item->widget();
    delete item;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Quantity& q = rows[i];
    const int at = 2 * static_cast<int>(i);
    if (figures_->count() <= at) {
      auto* caption = new QLabel;
      auto* value = new TextLabel;
      applyLook(*value, Look::ResultBox);
      // As wide as the longest figure, and a pixel of air above and below
      // the text as the page's own result boxes have.
      value->setMinimumSize(value->fontMetrics().horizontalAdvance(QStringLiteral("000.000 dB")),
                            value->fontMetrics().height() + 2 * value->frameWidth() + 2);
      caption->setBuddy(value);
      figures_->addWidget(caption, static_cast<int>(i), 0);
      figures_->addWidget(value, static_cast<int>(i), 1);
    }
    auto* caption = static_cast<QLabel*>(figures_->itemAt(at)->widget());
    auto* value = static_cast<TextLabel*>(figures_->itemAt(at + 1)->widget());
    caption->setText(toQString(q.caption));
    value->setObjectName(toQString(q.id));
    value->setAccessibleName(toQString(q.caption));
    value->setText(toQString(q.valueWithUnit()));
  }
}

}  // namespace kestrion::ui
