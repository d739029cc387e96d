#include "controlfactory.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "linklabel.h"
#include "looks.h"
#include "model/window.h"
#include "picture.h"
#include "product.h"
#include "qtext.h"
#include "rangebox.h"
#include "sliderbar.h"
#include "textlabel.h"

namespace kestrion::ui {

void ControlFactory::buildAll(std::span<const ControlSpec> table, QWidget* parent) {
  for (const ControlSpec& control : table) {
    QWidget* w = build(control, parent);
    if (w == nullptr) {
      continue;
    }
    w->setObjectName(toQString(control.objectName()));
    w->setGeometry(toPixels(control.rect));
    if (!control.tooltip.empty()) {
      w->setToolTip(translated("Tooltip", control.tooltip));
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
    case Kind::Label: {
      auto* label = new QLabel(translated("Caption", control.caption), parent);
      if (control.role == Role::caption) {
        bound_.captions[static_cast<std::size_t>(control.id)] = label;
      }
      return label;
    }
    case Kind::Text: {
      const Value id = control.value();
      auto* label = new TextLabel(QString::fromStdString(model_.text(id)), parent);
      // A screen reader calls a value or result label by its quantity.
      label->setAccessibleName(translated("Caption", caption(id)));
      label->setAccessibleDescription(translated("Tooltip", control.tooltip));
      bound_.texts[index(id)] = label;
      return label;
    }
    case Kind::Slider: {
      const Input id = control.input();
      const Slider& s = model_.slider(id);
      auto* bar = new SliderBar(id, parent);
      bar->setRange(s.min, s.max);
      bar->setValue(s.position);
      bar->setSingleStep(1);
      bar->setPageStep(1);
      bar->setTracking(true);
      // Qt inverts a scroll bar's keys by default; here Right means more.
      bar->setInvertedControls(false);
      bar->setFocusPolicy(Qt::StrongFocus);
      bar->setAccessibleName(translated("Caption", caption(id)));
      bound_.sliders[index(id)] = bar;
      return bar;
    }
    case Kind::Option: {
      const Rain id = control.rain();
      auto* button = new QRadioButton(translated("Caption", control.caption), parent);
      options_.addButton(button, static_cast<int>(index(id)));
      button->setChecked(model_.isSelected(id));
      bound_.options[index(id)] = button;
      return button;
    }
    case Kind::Button: {
      auto* button = new QPushButton(translated("Caption", control.caption), parent);
      QObject::connect(button, &QPushButton::clicked, button,
                       [command = command_, id = control.command()] { command(id); });
      bound_.commands[static_cast<std::size_t>(control.command())] = button;
      return button;
    }
    case Kind::Picture:
      return new Picture(toQString(control.caption), parent);
    case Kind::Link: {
      auto* link = new LinkLabel(toQString(kHomePage), parent);
      QObject::connect(link, &LinkLabel::clicked, link,
                       [command = command_, id = control.command()] { command(id); });
      bound_.commands[static_cast<std::size_t>(control.command())] = link;
      return link;
    }
    case Kind::HiddenText:
      return nullptr;
    case Kind::Aid: {
      auto* label = new TextLabel(parent);
      label->setAccessibleName(translated("Caption", control.caption));
      label->setAccessibleDescription(translated("Tooltip", control.tooltip));
      bound_.aids[static_cast<std::size_t>(control.aid())] = label;
      return label;
    }
    case Kind::OffsetAngle: {
      auto* box = new RangeBox(parent);
      box->setRange(0.0, 45.0);
      box->setDecimals(1);
      box->setSingleStep(0.1);
      box->setAccessibleName(translated("Caption", control.caption));
      // A setting of the calculator: written with a decimal point in every
      // language, as the value boxes are.
      box->setLocale(QLocale::c());
      // Taken when the typing ends: "50" is refused whole, not taken as 5.
      box->setKeyboardTracking(false);
      bound_.offsetAngle = box;
      return box;
    }
  }
  return nullptr;
}

}  // namespace kestrion::ui
