// Canvas1: a picture that the month view writes text on. The widget keeps the
// picture itself, so covering, uncovering or restoring the window shows it
// again without a redraw by the program.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "monthview/canvas.h"
#include "ui/layout.h"

namespace quillet::ui {

class CanvasWidget : public QWidget, public Canvas {
 public:
  // The initial drawing state: `background` for Clear, the text colour and
  // font in force until the first Set call, and a transparent text background.
  CanvasWidget(QSize size, Rgb background, Rgb textColor,
               const FontChoice& font, QWidget* parent = nullptr);

  void Clear() override;
  void SetTextColor(Rgb color) override;
  void SetTextBackground(std::optional<Rgb> color) override;
  void SetFont(const CanvasFont& font) override;
  void WriteText(int x, int y, std::string_view text) override;
  void WriteTextWithin(int x, int y, std::string_view text, int width) override;

  // Keeps the picture at the scale of the screen the widget is now on,
  // resampled, and draws later text for that scale.
  void MatchDevicePixelRatio();

  // The kept picture, in device pixels (its devicePixelRatio() tells the
  // scale).
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The font chosen last, in layout pixels, and as drawn at the picture's
  // scale.
  struct ChosenFont {
    std::string face;
    int pixels;
    bool bold;
  };
  void ResolvePictureFont();

  QColor background_;
  QColor textColor_;
  std::optional<QColor> textBackground_;
  ChosenFont chosenFont_;
  QFont font_;
  QImage picture_;
};

}  // namespace quillet::ui
