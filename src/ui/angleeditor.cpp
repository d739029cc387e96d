#include "angleeditor.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QStandardItemModel>
#include <utility>

#include "engine/dms_text.h"
#include "language.h"
#include "qtext.h"
#include "session/report.h"

namespace kestrion::ui {
namespace {

// The tooltip: what the editor accepts, with examples.
QString examples(AngleKind kind) {
  return translated("AngleText", acceptedText(kind));
}

QString editorName(AngleKind kind) {
  switch (kind) {
    case AngleKind::Latitude:
      return AngleEditor::tr("Type the latitude");
    case AngleKind::Longitude:
      return AngleEditor::tr("Type the longitude");
    case AngleKind::Satellite:
      return AngleEditor::tr("Type the satellite position or name");
  }
  return {};
}

}  // namespace

AngleEditor::AngleEditor(AngleKind kind, QWidget* box, std::vector<Satellite> satellites)
    : QLineEdit(box->parentWidget()),
      kind_(kind),
      letters_(compassLetters()),
      satellites_(std::move(satellites)),
      message_(new QLabel(box->parentWidget())) {
  setObjectName(QStringLiteral("angleEditor"));
  // Wide enough for a satellite's name, left edge on the box's.
  setGeometry(box->x(), box->y() - 2, std::max(box->width(), 140), box->height() + 4);
  opened_ = static_cast<QLabel*>(box)->text();
  setText(opened_);
  selectAll();
  setAccessibleName(editorName(kind));
  setToolTip(examples(kind));
  if (kind == AngleKind::Satellite && !satellites_.empty()) {
    // The engine chooses the names, as it reads them: "Hot Bird 13E" offers
    // "Hotbird 13E 13.0E". The list is filled anew as the text changes.
    names_ = new QStandardItemModel(this);
    auto* names = new QCompleter(names_, this);
    names->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    names->setCompletionRole(Qt::EditRole);
    setCompleter(names);
    connect(this, &QLineEdit::textEdited, this, &AngleEditor::offerNames);
    // Choosing a name is choosing the satellite: no second Enter.
    connect(names, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& name) {
              setText(name);
              commit();
            });
  }
  message_->setObjectName(QStringLiteral("angleEditorMessage"));
  message_->setWordWrap(true);
  message_->setAutoFillBackground(true);
  message_->setFrameStyle(QFrame::Box);
  QPalette p = message_->palette();
  p.setColor(QPalette::Window, QColor(255, 255, 225));
  p.setColor(QPalette::WindowText, QColor(160, 0, 0));
  message_->setPalette(p);
  message_->hide();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
}

void AngleEditor::keyPressEvent(QKeyEvent* event) {
  const bool popupOpen = completer() != nullptr && completer()->popup()->isVisible();
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Enter takes the text as typed unless a name in the list was chosen with
  // the arrows: "Hispasat 30W" is the satellite every front-end finds for it.
  if (enter && (!popupOpen || !completer()->popup()->currentIndex().isValid())) {
    if (popupOpen) {
      completer()->popup()->hide();
    }
    event->accept();
    commit();
    return;
  }
  if (!popupOpen && event->key() == Qt::Key_Escape) {
    finish();
    return;
  }
  QLineEdit::keyPressEvent(event);
  // The list offers; it does not choose. Qt marks the first name that starts
  // with the text, which Enter would then take instead of the text.
  if (completer() != nullptr && completer()->popup()->isVisible()) {
    completer()->popup()->setCurrentIndex(QModelIndex());
  }
}

void AngleEditor::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The completer's list takes the focus for a moment; that is no leaving.
  if (completer() != nullptr && completer()->popup()->isVisible()) {
    return;
  }
  // Moving on to the next field is how people end the typing: a text that
  // can be read is entered as Enter enters it; one that cannot keeps the
  // editor open with its message.
  if (text() == opened_) {
    finish();
    return;
  }
  commit();
}

// Every name the text may become, each with its position in the user's
// compass letters.
void AngleEditor::offerNames(const QString& typed) {
  names_->clear();
  for (const Satellite* s : completeSatellite(satellites_, typed.toStdString(), letters_)) {
    auto* item = new QStandardItem;
    item->setData(toQString(s->name) + QStringLiteral("   ") +
                      toQString(eastWestText(s->position, 1, letters_)),
                  Qt::DisplayRole);
    item->setData(toQString(s->name), Qt::EditRole);
    names_->appendRow(item);
  }
  if (names_->rowCount() > 0 && !typed.trimmed().isEmpty()) {
    completer()->complete();
  } else {
    completer()->popup()->hide();
  }
}

void AngleEditor::commit() {
  if (done_) {
    return;
  }
  const std::string typed = text().toStdString();
  const AngleReading reading = readAngle(
      typed, kind_,
      [this](std::string_view name) { return lookUpSatellite(satellites_, name, letters_); },
      letters_);
  if (!reading.entry) {
    refuse(toQString(angleProblemIn(translatedText, reading, kind_)));
    return;
  }
  const AngleEntry entry = *reading.entry;
  finish();
  Q_EMIT committed(entry);
}

void AngleEditor::refuse(const QString& message) {
  setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid rgb(220, 0, 0); }"));
  setAccessibleDescription(message);
  message_->setText(message);
  const int width = 260;
  const int left = std::min(x(), message_->parentWidget()->width() - width - 4);
  message_->setGeometry(left, y() + height() + 2, width, message_->heightForWidth(width) + 4);
  message_->show();
  message_->raise();
}

void AngleEditor::finish() {
  if (done_) {
    return;
  }
  done_ = true;
  message_->deleteLater();
  hide();
  deleteLater();
  Q_EMIT closed();
}

}  // namespace kestrion::ui
