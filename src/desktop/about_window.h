// The small window that tells which program this is, that it is free to pass
// on, and where to get it.
#pragma once

#include <QWidget>

namespace kestrion::desktop {

class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

 Q_SIGNALS:
  // The home page link (Label2) was clicked.
  void homePageRequested();

 protected:
  // As in a dialog: Escape closes, Enter presses the button with the focus.
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kestrion::desktop
