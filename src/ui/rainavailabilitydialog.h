// The C/N page's rain availability by the ITU-R method, in a window of its
// own so that the page stays as it is: the link's and the rain's inputs on
// the left, what they come to on the right. Every change is one of the rain
// fade's events run on the main window, and the figures are the report's
// rows, so the job sheet and the browser say the same.
#pragma once

#include <QDialog>
#include <map>
#include <string_view>

#include "session/rain_fade_inputs.h"
#include "session/report.h"

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;

namespace kestrion::ui {

class MainWindow;

class RainAvailabilityDialog : public QDialog {
  Q_OBJECT

 public:
  // Sets up the window's rain fade: each group of inputs the rain fade does
  // not have yet from the event last kept for it, else from its start.
  explicit RainAvailabilityDialog(MainWindow& window);

  // The inputs as the rain fade has them, and the figures they give.
  void showAll();

  // Reads a map as its Choose button does. A file that is no map changes
  // nothing; the message under its button names it, the line and why.
  bool chooseMap(RainFadeField field, const QString& path);

 private:
  void buildInputs(QGridLayout& grid);
  void addNumber(QGridLayout& grid, RainFadeField field);
  // The row under a field's, for its refusals.
  void addProblem(QGridLayout& grid, RainFadeField field);
  void start();
  // Runs "NAME:=TEXT" and keeps it for next time; false when refused.
  bool set(RainFadeField field, const QString& text);
  void showInputs();
  void showFigures();
  void showNotes(const Report& report);
  void showProblem(const QString& problem);
  void showProblem(RainFadeField field, const QString& problem);
  void fitHeight();

  MainWindow& window_;
  std::map<RainFadeField, QDoubleSpinBox*> numbers_;
  QComboBox* polarization_ = nullptr;
  QComboBox* zone_ = nullptr;
  QComboBox* modcod_ = nullptr;
  std::map<RainFadeField, QLabel*> mapNames_;
  std::map<RainFadeField, QLabel*> problems_;  // beside the fields
  QLabel* warnings_ = nullptr;
  QLabel* basis_ = nullptr;
  QLabel* example_ = nullptr;
  QLabel* meanings_ = nullptr;
  QWidget* tilts_ = nullptr;
  QGridLayout* figures_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace kestrion::ui
