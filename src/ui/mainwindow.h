// Form1: the calculator's one main window. It forwards the user's slider
// moves and option clicks to the calculator and shows the texts and pointers
// the model changed; it computes nothing itself.
#pragma once

#include <QMainWindow>
#include <bitset>

#include "controlfactory.h"
#include "engine/calculator.h"

class QButtonGroup;

namespace kestrion::ui {

class PointerLayer;
class TabControl;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  [[nodiscard]] const Window& model() const { return calculator_.window(); }
  [[nodiscard]] TabControl* tabControl() const { return tabs_; }

 Q_SIGNALS:
  // Left for the desktop services to answer.
  void aboutRequested();
  void homePageRequested();
  void footprintPageRequested();

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void buildMenu();
  void buildWindow();
  void buildPage(int page);
  void run(Command command);
  [[nodiscard]] QWidget* widget(const FocusStop& stop) const;
  void sliderMoved(Input id, int position);
  void optionClicked(int option);
  void showChanges();

  Calculator calculator_;
  BoundControls bound_;
  QButtonGroup* options_;
  TabControl* tabs_ = nullptr;
  PointerLayer* pointers_ = nullptr;
  std::bitset<kPageCount> built_;
};

}  // namespace kestrion::ui
