// What the main window's menu item About and its two web links do, and the
// About window's part in the end of the program: it never outlives the main
// window and never keeps the program running.
#pragma once

#include "desktop/about_window.h"

#include <QObject>
#include <QPointer>

namespace kestrion::desktop {

class DesktopService;

class DesktopActions : public QObject {
  Q_OBJECT
 public:
  // `mainWindow` owns the About window and is the owner of its launches;
  // `desktop` must outlive this object.
  DesktopActions(QWidget* mainWindow, DesktopService& desktop, QObject* parent = nullptr);
  ~DesktopActions() override;

  // The About window while it exists (shown or hidden), else null.
  AboutWindow* aboutWindow() const { return about_; }

  // Creates the About window on first use, then shows that same window.
  void showAbout();
  void openHomePage();
  void openFootprintPage();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void closeAbout();

  QWidget* mainWindow_;
  DesktopService& desktop_;
  QPointer<AboutWindow> about_;
};

}  // namespace kestrion::desktop
