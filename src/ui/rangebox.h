// A number box that says why it kept its value: a number typed beyond its
// range stays readable in the box until the typing ends, and is then
// refused with a message naming the range and the value kept, instead of
// the box snapping back without a word.
#pragma once

#include <QDoubleSpinBox>
#include <optional>

namespace kestrion::ui {

class RangeBox : public QDoubleSpinBox {
  Q_OBJECT

 public:
  using QDoubleSpinBox::QDoubleSpinBox;

  // "100 is outside 90 to 99.999 %; 99.900 kept".
  [[nodiscard]] QString outsideText(const QString& typed) const;

 Q_SIGNALS:
  void refused(const QString& message);

 protected:
  [[nodiscard]] QValidator::State validate(QString& text, int& pos) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The number in the box's text, whether or not the range holds it.
  [[nodiscard]] std::optional<double> typedNumber(const QString& text) const;
  // Ends the typing as `end` does, and refuses a number beyond the range.
  template <typename End>
  void endTyping(End end);
};

}  // namespace kestrion::ui
