// The sun as the installer's reference, in a window of its own so that the
// pages stay as they are: when the sun or a plumb line's shadow shows the
// dish's direction on a date, the coming sun outages of the satellite, and
// what an obstacle leaves of the view. The figures are the session's, as
// kestrion-cli --sun gives them; the times show in the local time zone.
#pragma once

#include <QDialog>
#include <map>
#include <optional>

#include "session/sun_json.h"

class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kestrion::ui {

class MainWindow;

class SunDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SunDialog(MainWindow& window);

  // Works the figures out again for the window's site and satellite.
  void showAll();

 private:
  void addField(QFormLayout& form, SunField field, const QString& label, const QString& text);
  // The request of the boxes, each refusal beside its box; nothing when one
  // is refused.
  std::optional<SunRequest> request();
  void showTimes(const SunFigures& figures);
  void showOutages(const SunFigures& figures);
  void showObstacle(const SunFigures& figures, const SunRequest& request);

  MainWindow& window_;
  QDateEdit* date_ = nullptr;
  std::map<SunField, QLineEdit*> boxes_;
  std::map<SunField, QLabel*> problems_;
  QLabel* times_ = nullptr;
  QLabel* outagesHead_ = nullptr;
  QTableWidget* outages_ = nullptr;
  QLabel* obstacle_ = nullptr;
};

}  // namespace kestrion::ui
