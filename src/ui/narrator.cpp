#include "narrator.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QShortcut>
#include <QWidget>
#include <utility>

#include "accessibility.h"

namespace kestrion::ui {
namespace {

// A notification a screen reader speaks when it is shown. It has no widget:
// nothing is drawn, and the window's own tree keeps its children. Each text
// is a notice of its own, since a reader reads the name when it comes to the
// event, maybe seconds later.
class Notice : public AccessibleLeaf {
 public:
  Notice(QWidget* window, QString text) : window_(window), text_(std::move(text)) {}

  bool isValid() const override { return !window_.isNull(); }
  QWindow* window() const override { return window_.isNull() ? nullptr : window_->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(window_);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? text_ : QString();
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<QWidget> window_;
  QString text_;
};

constexpr std::size_t kNoticesKept = 8;

}  // namespace

Narrator::Narrator(QWidget& window, std::function<QString()> results)
    : QObject(&window), results_(std::move(results)), window_(window) {
  rest_.setSingleShot(true);
  rest_.setInterval(kRest);
  connect(&rest_, &QTimer::timeout, this, &Narrator::tellResults);
  auto* again = new QShortcut(QKeySequence(Qt::Key_F5), &window);
  again->setContext(Qt::WindowShortcut);
  connect(again, &QShortcut::activated, this, &Narrator::tellResults);
}

Narrator::~Narrator() {
  for (const QAccessible::Id id : notices_) {
    QAccessible::deleteAccessibleInterface(id);
  }
}

// Without a screen reader nothing is worked out: the results may read the
// magnetic model, which the window reads only once its page is shown.
void Narrator::inputChanged() {
  if (QAccessible::isActive()) {
    rest_.start();
  }
}

void Narrator::tellResults() {
  rest_.stop();
  if (QAccessible::isActive()) {
    tell(results_());
  }
}

void Narrator::tell(const QString& text) {
  if (!QAccessible::isActive() || text.isEmpty()) {
    return;
  }
  if (notices_.size() == kNoticesKept) {
    QAccessible::deleteAccessibleInterface(notices_.front());
    notices_.pop_front();
  }
  // The registry owns the notice; the oldest is deleted above.
  // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
  auto* notice = new Notice(&window_, text);
  notices_.push_back(QAccessible::registerAccessibleInterface(notice));
  QAccessibleEvent shown(notice, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
  // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
}

}  // namespace kestrion::ui
