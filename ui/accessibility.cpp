#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/canvas_widget.h"
#include "ui/hyperlink_label.h"

namespace quillet::ui {
namespace {

class HyperlinkAccessible : public QAccessibleWidget {
 public:
  explicit HyperlinkAccessible(HyperlinkLabel* link)
      : QAccessibleWidget(link, QAccessible::Link) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) {
      return QString::fromStdString(Link()->Address());
    }
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override { return {pressAction()}; }

  void doAction(const QString& action) override {
    if (action == pressAction()) Link()->Activate();
  }

 private:
  HyperlinkLabel* Link() const {
    return static_cast<HyperlinkLabel*>(widget());
  }
};

// Asked for every object a screen reader looks at; answers for the link and
// the canvas, and leaves every other object to Qt.
QAccessibleInterface* Accessibility(const QString&, QObject* object) {
  if (auto* link = dynamic_cast<HyperlinkLabel*>(object)) {
    return new HyperlinkAccessible(link);
  }
  if (auto* canvas = dynamic_cast<CanvasWidget*>(object)) {
    return new QAccessibleWidget(canvas, QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Accessibility);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace quillet::ui
