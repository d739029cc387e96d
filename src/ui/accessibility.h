// What a screen reader learns of the window's own widgets: the tab strip as
// a list of page tabs, each page named by its tab, sliders by the quantity
// they set, value and result boxes as text, the web link as a link with an
// action.
#pragma once

#include <QAccessibleInterface>

namespace kestrion::ui {

// Registers the interfaces; once per application, before the first window.
void installAccessibility();

// An accessible object that is no QObject and has no children, and whose
// text a reader cannot change: a page tab, a spoken notice.
class AccessibleLeaf : public QAccessibleInterface {
 public:
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
};

}  // namespace kestrion::ui
