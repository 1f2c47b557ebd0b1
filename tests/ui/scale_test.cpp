// At a device pixel ratio of 2 the canvas keeps a picture of twice its size in
// each direction, so text stays sharp.
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

TEST(ScaleTest, CanvasPictureFollowsTheDevicePixelRatio) {
  TestApp("2");
  StartWindow window(
      [] {
        return CivilDate{2025, 10, 6};
      },
      [](const std::string&) {});
  window.show();
  window.RunStartUp();
  const QImage& picture = window.CanvasControl()->Picture();
  EXPECT_EQ(picture.devicePixelRatio(), 2.0);
  EXPECT_EQ(picture.size(), QSize(880, 560));
  EXPECT_EQ(window.grab().size(), QSize(904, 754));
  // The Song face at 24 device pixels is smoothed: 星期一 has shades between
  // its black ink and the grey of its heading.
  const QImage heading = window.Control("Label6")->grab().toImage();
  const int shades =
      Find(heading.rect(), [&](QPoint p) {
        const QRgb pixel = heading.pixel(p) | 0xFF000000u;
        return pixel != qRgb(0, 0, 0) && pixel != qRgb(0xDC, 0xDC, 0xDC);
      }).count;
  EXPECT_GT(shades, 20);
}

}  // namespace
}  // namespace quillet::ui::testing
