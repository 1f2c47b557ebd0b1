#include "ui/hyperlink_label.h"

#include <QMouseEvent>
#include <utility>

namespace quillet::ui {

HyperlinkLabel::HyperlinkLabel(const QString& text, std::string address,
                               Colors colors,
                               std::function<void(const std::string&)> openUrl,
                               QWidget* parent)
    : QLabel(parent),
      address_(std::move(address)),
      colors_(colors),
      openUrl_(std::move(openUrl)) {
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
