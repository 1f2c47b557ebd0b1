// What the month view draws on: a picture that keeps a text colour, a text
// background and a font from one write to the next.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(Rgb, Rgb) = default;
};

struct CanvasFont {
  std::string face;  // as the program names it: "Arial" or "宋体"
  int points;        // 60, 18 or 9
  bool bold;
  friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void Clear() = 0;  // whole canvas to its background
  virtual void SetTextColor(Rgb color) = 0;
  // std::nullopt: transparent
  virtual void SetTextBackground(std::optional<Rgb> color) = 0;
  virtual void SetFont(const CanvasFont& font) = 0;
  // top-left corner at (x, y)
  virtual void WriteText(int x, int y, std::string_view text) = 0;
  // The same, condensed horizontally so that the text spans `width` pixels;
  // the month view uses it only for a day label that cannot stand whole at
  // any position in its room.
  virtual void WriteTextWithin(int x, int y, std::string_view text,
                               int width) = 0;
};

}  // namespace quillet
