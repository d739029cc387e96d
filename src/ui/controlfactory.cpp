#include "controlfactory.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtGlobal>

#include "linklabel.h"
#include "looks.h"
#include "model/web_addresses.h"
#include "model/window.h"
#include "picture.h"
#include "textlabel.h"

namespace kestrion::ui {
namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void ControlFactory::buildAll(std::span<const ControlSpec> table, QWidget* parent) {
  for (const ControlSpec& control : table) {
    QWidget* w = build(control, parent);
    if (w == nullptr) {
      continue;
    }
    w->setObjectName(qs(control.name));
    w->setGeometry(toPixels(control.rect));
    if (!control.tooltip.empty()) {
      w->setToolTip(qs(control.tooltip));
    }
    if (control.font == FontSize::Large) {
      w->setFont(controlFont(FontSize::Large));
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
      applyLook(*label, control.look);
    }
    if (control.kind == Kind::Link) {
      // The address is set when the build is configured and may be longer
      // than the space the layout gives it; show it whole, on one line.
      auto* link = static_cast<QLabel*>(w);
      link->setWordWrap(false);
      link->resize(qMax(link->width(), link->sizeHint().width()), link->height());
    }
  }
}

QWidget* ControlFactory::build(const ControlSpec& control, QWidget* parent) {
  switch (control.kind) {
    case Kind::Label:
      return new QLabel(qs(control.caption), parent);
    case Kind::Text: {
      const auto id = textByName(control.name);
      Q_ASSERT(id);
      auto* label = new TextLabel(QString::fromStdString(model_.text(*id)), parent);
      // A slider's value label is named after the slider's quantity.
      const std::string_view quantity =
          index(*id) < kSliderCount ? kSliders[index(*id)].quantity : control.quantity;
      label->setAccessibleName(qs(quantity));
      label->setAccessibleDescription(qs(control.tooltip));
      bound_.texts[index(*id)] = label;
      return label;
    }
    case Kind::Slider: {
      const auto id = sliderByName(control.name);
      Q_ASSERT(id);
      const Slider& s = model_.slider(*id);
      auto* bar = new QScrollBar(Qt::Horizontal, parent);
      bar->setRange(s.min, s.max);
      bar->setValue(s.position);
      bar->setSingleStep(1);
      bar->setPageStep(1);
      bar->setTracking(true);
      // Qt inverts a scroll bar's keys by default; here Right means more.
      bar->setInvertedControls(false);
      bar->setFocusPolicy(Qt::StrongFocus);
      bar->setAccessibleName(qs(kSliders[index(*id)].quantity));
      bound_.sliders[index(*id)] = bar;
      return bar;
    }
    case Kind::Option: {
      const auto id = optionByName(control.name);
      Q_ASSERT(id);
      auto* button = new QRadioButton(qs(control.caption), parent);
      options_.addButton(button, static_cast<int>(index(*id)));
      button->setChecked(model_.isSelected(*id));
      return button;
    }
    case Kind::Button:
      return new QPushButton(qs(control.caption), parent);
    case Kind::Picture:
      return new Picture(qs(control.caption), parent);
    case Kind::Link:
      return new LinkLabel(QString::fromUtf8(kHomePage), parent);
    case Kind::HiddenText:
      return nullptr;
  }
  return nullptr;
}

}  // namespace kestrion::ui
