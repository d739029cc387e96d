// The editor that opens in place of the latitude, longitude or satellite
// position box: it reads what the user types (with the compass letters of the
// user's language besides N, E, S, W), keeps itself open and framed red with
// a message while the text cannot be read, and hands over a valid entry on
// Enter; a satellite chosen from the completion list is taken with that one
// Enter. Escape, or leaving it, changes nothing.
#pragma once

#include <QLineEdit>
#include <functional>
#include <vector>

#include "engine/angle_text.h"
#include "engine/satellites.h"

class QLabel;
class QStandardItemModel;

namespace kestrion::ui {

class AngleEditor : public QLineEdit {
  Q_OBJECT

 public:
  // Placed over `box`, with its text; `satellites` offers names to complete
  // (empty for latitude and longitude).
  AngleEditor(AngleKind kind, QWidget* box, std::vector<Satellite> satellites);

 Q_SIGNALS:
  void committed(const kestrion::AngleEntry& entry);
  void closed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void offerNames(const QString& typed);
  void commit();
  void refuse(const QString& message);
  void finish();

  AngleKind kind_;
  CompassLetters letters_;
  std::vector<Satellite> satellites_;
  QLabel* message_;
  QStandardItemModel* names_ = nullptr;
  QString opened_;  // the box's text, which leaving unchanged enters nothing
  bool done_ = false;
};

}  // namespace kestrion::ui
