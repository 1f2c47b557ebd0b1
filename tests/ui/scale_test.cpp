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
}

}  // namespace
}  // namespace quillet::ui::testing
