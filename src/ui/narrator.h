// What a screen reader is told beyond the focused control: the page that
// Ctrl+Tab brought up, and the page's results once an input has come to rest
// or when F5 asks for them. It is told through an accessible notification
// that nobody sees, so the focus stays where the user left it.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>

class QWidget;

namespace kestrion::ui {

class Narrator : public QObject {
  Q_OBJECT

 public:
  // `results` says the shown page's results when asked.
  Narrator(QWidget& window, std::function<QString()> results);
  ~Narrator() override;
  Narrator(const Narrator&) = delete;
  Narrator& operator=(const Narrator&) = delete;

  // An input changed: its results are told once it has rested, so a held
  // arrow key is not followed by every step's results.
  void inputChanged();
  // Another page came up: the last page's results are no longer wanted.
  void pageChanged() { rest_.stop(); }
  void tellResults();
  void tell(const QString& text);

  static constexpr std::chrono::milliseconds kRest{700};

 private:
  std::function<QString()> results_;
  QWidget& window_;
  QTimer rest_;
  // The last few notices: a reader may still be about to read one.
  std::deque<QAccessible::Id> notices_;
};

}  // namespace kestrion::ui
