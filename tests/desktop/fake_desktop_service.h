// Test doubles shared by the desktop tests.
#pragma once

#include "desktop/desktop_service.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace kestrion::desktop::testing {

// Answers every request with `answer` and remembers the requests.
class FakeDesktopService final : public DesktopService {
 public:
  OpenResult answer{OpenOutcome::Opened, 42};
  std::vector<OpenRequest> requests;

  OpenResult open(const OpenRequest& request) override {
    requests.push_back(request);
    return answer;
  }
};

// What a message box looked like when it was on the screen.
struct SeenMessageBox {
  QString title;
  QString text;
  Qt::TextFormat textFormat = Qt::AutoText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  int buttonCount = 0;
  bool modal = false;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
};

// Watches for message boxes while it lives, records each and dismisses it
// with its OK button, so that code showing one modally can return.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(10);
  }

  const std::vector<SeenMessageBox>& seen() const { return seen_; }

 private:
  void poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (box == nullptr || !box->isVisible()) {
        continue;
      }
      seen_.push_back({box->windowTitle(), box->text(), box->textFormat(), box->icon(),
                       box->standardButtons(), static_cast<int>(box->buttons().size()),
                       box->isModal(), box->windowModality(), box->parentWidget()});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->reject();
      }
    }
  }

  QTimer timer_;
  std::vector<SeenMessageBox> seen_;
};

}  // namespace kestrion::desktop::testing
