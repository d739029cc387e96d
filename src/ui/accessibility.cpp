#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <map>
#include <memory>

#include "linklabel.h"
#include "sliderbar.h"
#include "tabcontrol.h"
#include "tabstrip.h"
#include "textlabel.h"

namespace kestrion::ui {
namespace {

// A value or result box: its caption as the name, its text readable through
// the text interface.
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleText(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                           : QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
  }

  // Read-only text: no selection, no cursor to move.
  void selection(int /*selectionIndex*/, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int /*start*/, int /*end*/) override {}
  void removeSelection(int /*selectionIndex*/) override {}
  void setSelection(int /*selectionIndex*/, int /*start*/, int /*end*/) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int /*position*/) override {}
  QString text(int start, int end) const override { return shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(shown().size()); }
  QRect characterRect(int /*offset*/) const override { return {}; }
  int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
  void scrollToSubstring(int /*start*/, int /*end*/) override {}
  QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QString shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

// A slider: named by its quantity, valued in the quantity's unit.
class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleSlider(QWidget* w) : QAccessibleWidget(w, QAccessible::ScrollBar) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                            : QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? bar()->quantityText() : QAccessibleWidget::text(t);
  }

  QVariant currentValue() const override { return bar()->quantity(bar()->value()); }
  void setCurrentValue(const QVariant& value) override {
    bar()->setValue(bar()->position(value.toDouble()));
  }
  QVariant maximumValue() const override { return bar()->quantity(bar()->maximum()); }
  QVariant minimumValue() const override { return bar()->quantity(bar()->minimum()); }
  QVariant minimumStepSize() const override { return bar()->quantity(1); }

 private:
  SliderBar* bar() const { return static_cast<SliderBar*>(widget()); }
};

class AccessibleTabStrip;

// One tab of the strip: selected when its page shows; pressing shows it.
class AccessibleTab : public AccessibleLeaf, public QAccessibleActionInterface {
 public:
  AccessibleTab(TabStrip* strip, int index) : strip_(strip), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }
  bool isValid() const override { return !strip_.isNull(); }
  QWindow* window() const override { return strip_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(strip_);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? strip_->tabText(index_) : QString();
  }
  QRect rect() const override {
    const QRect r = strip_->tabRect(index_);
    return {strip_->mapToGlobal(r.topLeft()), r.size()};
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = strip_->currentIndex() == index_;
    s.focusable = true;
    s.focused = s.selected && strip_->hasFocus();
    s.invisible = !strip_->isVisible();
    return s;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      strip_->setCurrentIndex(index_);
    }
  }
  QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

 private:
  QPointer<TabStrip> strip_;
  int index_;
};

class AccessibleTabStrip : public QAccessibleWidget {
 public:
  explicit AccessibleTabStrip(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
  ~AccessibleTabStrip() override {
    for (const auto& [index, id] : tabs_) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override { return strip()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) {
      return nullptr;
    }
    // Kept, so a screen reader meets the same tab object each time.
    auto it = tabs_.find(index);
    if (it == tabs_.end()) {
      // The registry owns the tab; the strip's interface deletes it.
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
      const QAccessible::Id id =
          QAccessible::registerAccessibleInterface(new AccessibleTab(strip(), index));
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
      it = tabs_.emplace(index, id).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) {
        return i;
      }
    }
    return -1;
  }

 private:
  TabStrip* strip() const { return static_cast<TabStrip*>(widget()); }
  mutable std::map<int, QAccessible::Id> tabs_;
};

// The web link: a link with one action, to open it.
class AccessibleLink : public QAccessibleWidget {
 public:
  explicit AccessibleLink(QWidget* w) : QAccessibleWidget(w, QAccessible::Link) {
    addControllingSignal(QStringLiteral("clicked()"));
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      return static_cast<const QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      static_cast<LinkLabel*>(widget())->activate();
    }
  }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) {
    return nullptr;
  }
  auto* w = static_cast<QWidget*>(object);
  if (className == QLatin1String(TextLabel::staticMetaObject.className())) {
    return new AccessibleText(w);
  }
  if (className == QLatin1String(SliderBar::staticMetaObject.className())) {
    return new AccessibleSlider(w);
  }
  if (className == QLatin1String(TabStrip::staticMetaObject.className())) {
    return new AccessibleTabStrip(w);
  }
  if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
    return new AccessibleLink(w);
  }
  if (className == QLatin1String(TabPage::staticMetaObject.className())) {
    // As a toolkit's notebook page is: a reader names it as the focus enters
    // it, without reading out every caption on it as for a group.
    return new QAccessibleWidget(w, QAccessible::PageTab);
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(factory);
    return true;
  }();
  Q_UNUSED(installed);
}

}  // namespace kestrion::ui
