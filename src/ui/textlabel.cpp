#include "textlabel.h"

#include <QAccessibleWidget>

namespace kestrion::ui {
namespace {

class AccessibleTextLabel : public QAccessibleWidget {
 public:
  explicit AccessibleTextLabel(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) {
      return static_cast<const QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* textLabelFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(TextLabel::staticMetaObject.className()) && object != nullptr &&
      object->isWidgetType()) {
    return new AccessibleTextLabel(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void TextLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  Q_EMIT doubleClicked();
}

void TextLabel::installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(textLabelFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace kestrion::ui
