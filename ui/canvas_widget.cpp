#include "ui/canvas_widget.h"

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

}  // namespace

CanvasWidget::CanvasWidget(QSize size, Rgb background, Rgb textColor,
                           const FontChoice& font, QWidget* parent)
    : QWidget(parent),
      background_(ToQColor(background)),
      textColor_(ToQColor(textColor)),
      chosenFont_{std::string(font.face), font.pixels, font.bold} {
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
  picture_ = BlankPicture(size, devicePixelRatioF(), background_);
  ResolvePictureFont();
}

void CanvasWidget::ResolvePictureFont() {
  font_ =
      ui::ResolveFont({chosenFont_.face, chosenFont_.pixels, chosenFont_.bold},
                      picture_.devicePixelRatio());
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
  chosenFont_ = {font.face, PointsToPixels(font.points), font.bold};
  ResolvePictureFont();
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

// The text is drawn at its full width, as WriteText would draw it, into a
// strip of its own, and the strip is resampled into `width` pixels. Drawn so,
// a condensed label keeps every stroke and the colour of its crisp
// neighbours; a condensed face drawn crisp at 12 pixels loses whole strokes,
// and smoothed, horizontally scaled outlines come out pale.
void CanvasWidget::WriteTextWithin(int x, int y, std::string_view text,
                                   int width) {
  const QString line = ToQString(text);
  const QFontMetrics metrics(font_);
  const int natural = metrics.horizontalAdvance(line);
  if (natural <= 0 || width <= 0) return;
  const qreal ratio = picture_.devicePixelRatio();
  QImage strip(QSize(natural, metrics.height()) * ratio,
               QImage::Format_ARGB32_Premultiplied);
  strip.setDevicePixelRatio(ratio);
  strip.fill(Qt::transparent);
  QPainter stripPainter(&strip);
  stripPainter.setRenderHint(QPainter::TextAntialiasing);
  stripPainter.setFont(font_);
  stripPainter.setPen(textColor_);
  stripPainter.drawText(QPoint(0, metrics.ascent()), line);
  stripPainter.end();

  const QRect target(x, y, width, metrics.height());
  QPainter painter(&picture_);
  if (textBackground_) painter.fillRect(target, *textBackground_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, strip);
  painter.end();
  update();
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
  ResolvePictureFont();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QRect(QPoint(0, 0), size()), picture_);
}

}  // namespace quillet::ui
