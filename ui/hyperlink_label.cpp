#include "ui/hyperlink_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <utility>

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

// Asked for every object a screen reader looks at; answers for the links.
QAccessibleInterface* LinkAccessibility(const QString&, QObject* object) {
  if (auto* link = dynamic_cast<HyperlinkLabel*>(object)) {
    return new HyperlinkAccessible(link);
  }
  return nullptr;
}

}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, std::string address,
                               Colors colors,
                               std::function<void(const std::string&)> openUrl,
                               QWidget* parent)
    : QLabel(parent),
      address_(std::move(address)),
      colors_(colors),
      openUrl_(std::move(openUrl)) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(LinkAccessibility);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  // The text comes only now that the factory is in place: setting it makes
  // Qt look up the label's accessible interface, and keep it.
  setTextFormat(Qt::PlainText);
  setText(text);
  if (!address_.empty()) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::fromStdString(address_));
  }
  ShowState();
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  ShowState();
  QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
  hovered_ = false;
  ShowState();
  QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint())) {
    Activate();
  }
  QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::Activate() {
  if (address_.empty()) return;
  visited_ = true;
  ShowState();
  if (openUrl_) openUrl_(address_);
}

void HyperlinkLabel::ShowState() {
  QPalette colours = palette();
  const QColor& text = hovered_   ? colors_.hover
                       : visited_ ? colors_.visited
                                  : colors_.normal;
  colours.setColor(QPalette::WindowText, text);
  setPalette(colours);
}

}  // namespace quillet::ui
