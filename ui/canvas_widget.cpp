#include "ui/canvas_widget.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "ui/fonts.h"
#include "ui/to_qt.h"

namespace quillet::ui {
namespace {

QImage BlankPicture(QSize size, qreal devicePixelRatio, const QColor& fill) {
  QImage picture(size * devicePixelRatio, QImage::Format_RGB32);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(fill);
  return picture;
}

// Screen readers are told the canvas is a picture; its description (set by
// the window) says what the picture shows.
QAccessibleInterface* CanvasAccessibility(const QString&, QObject* object) {
  if (auto* canvas = dynamic_cast<CanvasWidget*>(object)) {
    return new QAccessibleWidget(canvas, QAccessible::Graphic);
  }
  return nullptr;
}

}  // namespace

CanvasWidget::CanvasWidget(QSize size, Rgb background, Rgb textColor,
                           const QFont& font, QWidget* parent)
    : QWidget(parent),
      background_(ToQColor(background)),
      textColor_(ToQColor(textColor)),
      font_(font) {
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(CanvasAccessibility);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  picture_ = BlankPicture(size, devicePixelRatioF(), background_);
}

void CanvasWidget::Clear() {
  picture_.fill(background_);
  update();
}

void CanvasWidget::SetTextColor(Rgb color) { textColor_ = ToQColor(color); }

void CanvasWidget::SetTextBackground(std::optional<Rgb> color) {
  textBackground_ = color ? std::optional(ToQColor(*color)) : std::nullopt;
}

void CanvasWidget::SetFont(const CanvasFont& font) {
  font_ = ResolveCanvasFont(font);
}

void CanvasWidget::WriteText(int x, int y, std::string_view text) {
  const QString line = ToQString(text);
  QPainter painter(&picture_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font_);
  const QFontMetrics metrics = painter.fontMetrics();
  if (textBackground_) {
    painter.fillRect(
        QRect(x, y, metrics.horizontalAdvance(line), metrics.height()),
        *textBackground_);
  }
  painter.setPen(textColor_);
  painter.drawText(QPoint(x, y + metrics.ascent()), line);
  painter.end();
  update();
}

bool CanvasWidget::event(QEvent* event) {
  // Moved to a screen of another scale: keep the picture, resampled.
  if (event->type() == QEvent::ScreenChangeInternal ||
      event->type() == QEvent::Show) {
    MatchDevicePixelRatio();
  }
  return QWidget::event(event);
}

void CanvasWidget::MatchDevicePixelRatio() {
  const qreal ratio = devicePixelRatioF();
  if (qFuzzyCompare(ratio, picture_.devicePixelRatio())) return;
  QImage resampled = BlankPicture(size(), ratio, background_);
  QPainter painter(&resampled);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(QPoint(0, 0), size()), picture_);
  painter.end();
  picture_ = resampled;
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QRect(QPoint(0, 0), size()), picture_);
}

}  // namespace quillet::ui
