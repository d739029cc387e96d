#include "rangebox.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "model/numtext.h"
#include "qtext.h"

namespace kestrion::ui {

QString RangeBox::outsideText(const QString& typed) const {
  const QString unit = suffix().trimmed();
  return tr("%1 is outside %2 to %3%4; %5 kept")
      .arg(typed, toQString(doubleText(minimum())), toQString(doubleText(maximum())),
           unit.isEmpty() ? QString() : QLatin1Char(' ') + unit, textFromValue(value()));
}

std::optional<double> RangeBox::typedNumber(const QString& text) const {
  QString number = text;
  if (!prefix().isEmpty() && number.startsWith(prefix())) {
    number.remove(0, prefix().size());
  }
  if (!suffix().isEmpty() && number.endsWith(suffix())) {
    number.chop(suffix().size());
  }
  number = number.trimmed();
  const qsizetype point = number.indexOf(locale().decimalPoint());
  if (point >= 0 && number.size() - point - 1 > decimals()) {
    return std::nullopt;  // more digits than the box keeps: not typed on
  }
  bool ok = false;
  const double value = locale().toDouble(number, &ok);
  return ok ? std::optional(value) : std::nullopt;
}

QValidator::State RangeBox::validate(QString& text, int& pos) const {
  const QValidator::State state = QDoubleSpinBox::validate(text, pos);
  return state == QValidator::Invalid && typedNumber(text) ? QValidator::Intermediate : state;
}

template <typename End>
void RangeBox::endTyping(End end) {
  const QString typed = lineEdit()->displayText();
  const auto number = typedNumber(typed);
  end();
  if (number && (*number < minimum() || *number > maximum())) {
    QString shown = typed;
    if (!suffix().isEmpty() && shown.endsWith(suffix())) {
      shown.chop(suffix().size());
    }
    Q_EMIT refused(outsideText(shown.trimmed()));
  }
}

void RangeBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QDoubleSpinBox::keyPressEvent(event);
    return;
  }
  endTyping([&] { QDoubleSpinBox::keyPressEvent(event); });
}

void RangeBox::focusOutEvent(QFocusEvent* event) {
  endTyping([&] { QDoubleSpinBox::focusOutEvent(event); });
}

}  // namespace kestrion::ui
