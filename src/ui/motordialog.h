// The alignment page's dish on a motorised polar mount or with a second LNB,
// in a window of its own so that the page stays as it is: the motor's turn
// and command, the mount's settings, the satellites visible from the site,
// and the second LNB's figures. The figures are the session's, so kestrion-cli
// and the job sheet say the same.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace kestrion::ui {

class MainWindow;

class MotorDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MotorDialog(MainWindow& window);

  // Everything again from the session, after the site or satellite moved.
  void showAll();

 private:
  QWidget* buildMotor();
  QWidget* buildMultifeed();
  void setLimit();
  void showMotor();
  void showVisible();
  void showMultifeed();

  MainWindow& window_;
  QLineEdit* limit_ = nullptr;
  QLabel* limitProblem_ = nullptr;
  QLabel* turn_ = nullptr;
  QLabel* command_ = nullptr;
  QLabel* mount_ = nullptr;
  QLabel* motorWarning_ = nullptr;
  QTableWidget* visible_ = nullptr;
  QLineEdit* second_ = nullptr;
  QLineEdit* diameter_ = nullptr;
  QLineEdit* focalLength_ = nullptr;
  QLabel* multifeedProblem_ = nullptr;
  QLabel* multifeed_ = nullptr;
};

}  // namespace kestrion::ui
