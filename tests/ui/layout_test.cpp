// The window against the layout, copied here as data: every control's place,
// text, colours and font, and what a grab of the window shows in each
// control's rectangle.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <iterator>
#include <vector>

#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ClientRect(const StartWindow& window, const QWidget* control) {
  return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

// The window's 18 controls as the layout gives them, copied here as data:
// kind, holder, place and size, text, face and pixel size, text colour and
// fill. The controls without a font of their own show the Song face at 12
// pixels; the link shows the site's host in the sans face at 13.
enum Kind { kPanel, kLabel, kBox, kCanvas, kLink };
struct Control {
  const char* name;
  Kind kind;
  const char* in;
  QRect place;  // relative to `in`
  const char* text;
  const char* face;  // "" for none
  int pixels;
  bool bold;
  QRgb ink, fill;
  const char* accessibleName;
};
constexpr QRgb kNavy = 0xFF000080, kWhite = 0xFFFFFFFF, kBlack = 0xFF000000,
               kRed = 0xFFFF0000, kYellow = 0xFFFFFF00, kGrey = 0xFFDCDCDC,
               kBlue = 0xFF0000FF;
// clang-format off
const Control kControls[] = {
    {"ShapeBox1", kPanel, "StartWindow", {8, 4, 440, 24}, "", "", 0, false, kNavy, kNavy, "顶栏"},
    {"Label1", kLabel, "ShapeBox1", {8, 0, 32, 24}, "公历", "宋体", 14, false, kWhite, kNavy, "公历"},
    {"EditBox1", kBox, "ShapeBox1", {40, 1, 48, 22}, "", "Arial", 16, false, kBlack, kWhite, "年份"},
    {"Label2", kLabel, "ShapeBox1", {108, 0, 12, 24}, "年", "宋体", 14, false, kWhite, kNavy, "年"},
    {"EditBox2", kBox, "ShapeBox1", {132, 1, 24, 22}, "", "Arial", 16, false, kBlack, kWhite, "月份"},
    {"Label3", kLabel, "ShapeBox1", {176, 0, 12, 24}, "月", "宋体", 14, false, kWhite, kNavy, "月"},
    {"Label4", kLabel, "ShapeBox1", {200, 1, 232, 22}, "", "宋体", 14, false, kYellow, kNavy, "标题"},
    {"ShapeBox2", kPanel, "StartWindow", {8, 32, 440, 24}, "", "", 0, false, kWhite, kWhite, "星期栏"},
    {"Label5", kLabel, "ShapeBox2", {0, 0, 56, 24}, "星期日", "宋体", 12, false, kRed, kGrey, "星期日"},
    {"Label6", kLabel, "ShapeBox2", {64, 0, 56, 24}, "星期一", "宋体", 12, false, kBlack, kGrey, "星期一"},
    {"Label7", kLabel, "ShapeBox2", {128, 0, 56, 24}, "星期二", "宋体", 12, false, kBlack, kGrey, "星期二"},
    {"Label8", kLabel, "ShapeBox2", {192, 0, 56, 24}, "星期三", "宋体", 12, false, kBlack, kGrey, "星期三"},
    {"Label9", kLabel, "ShapeBox2", {256, 0, 56, 24}, "星期四", "宋体", 12, false, kBlack, kGrey, "星期四"},
    {"Label10", kLabel, "ShapeBox2", {320, 0, 56, 24}, "星期五", "宋体", 12, false, kBlack, kGrey, "星期五"},
    {"Label11", kLabel, "ShapeBox2", {384, 0, 56, 24}, "星期六", "宋体", 12, false, kRed, kGrey, "星期六"},
    {"Canvas1", kCanvas, "StartWindow", {8, 64, 440, 280}, "", "Arial", 19, true, kBlack, kWhite, "月历"},
    {"Label12", kLabel, "StartWindow", {8, 352, 96, 24}, "欢迎来信指正", "宋体", 12, false, kRed, kWhite, "欢迎来信指正"},
    {"HyperlinkBox1", kLink, "StartWindow", {315, 352, 136, 24}, "example.org", "Arial", 13, false, kBlue, kWhite, "作者网站"},
};
// clang-format on

// The installed faces that may stand for each face the layout names.
QStringList Installed(std::string_view face) {
  if (face == "宋体") return {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC"};
  return {"Arial", "Liberation Sans"};
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlStandsAsTheLayoutSays) {
  ASSERT_EQ(std::size(kControls), 18u);
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget* control = window.Control(c.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), Q(c.in));
    EXPECT_EQ(control->geometry(), c.place);
    EXPECT_EQ(control->accessibleName(), Q(c.accessibleName));
    if (auto* label = qobject_cast<QLabel*>(control)) {
      EXPECT_EQ(label->text(), Q(c.text));
    }
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
      EXPECT_EQ(box->text(), Q(c.text));
    }
    const QPalette::ColorRole ink =
        c.kind == kBox ? QPalette::Text : QPalette::WindowText;
    const QPalette::ColorRole fill =
        c.kind == kBox ? QPalette::Base : QPalette::Window;
    EXPECT_EQ(control->palette().color(ink).rgb(), c.ink);
    EXPECT_EQ(control->palette().color(fill).rgb(), c.fill);
    if (c.pixels == 0) continue;
    const QFontInfo font(control->font());
    EXPECT_TRUE(Installed(c.face).contains(font.family()))
        << "resolved to " << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), c.pixels);
    EXPECT_EQ(font.bold(), c.bold);
  }
}

// The places in the window's client area that the panel-relative rows add up
// to.
TEST_F(LayoutTest, PanelControlsLandAtTheirClientPositions) {
  const struct {
    const char* name;
    QPoint client;
  } cases[] = {
      {"Label1", {16, 4}},           {"EditBox1", {48, 5}},
      {"Label2", {116, 4}},          {"EditBox2", {140, 5}},
      {"Label3", {184, 4}},          {"Label4", {208, 5}},
      {"Label5", {8, 32}},           {"Label8", {200, 32}},
      {"Label11", {392, 32}},        {"Canvas1", {8, 64}},
      {"HyperlinkBox1", {315, 352}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ClientRect(window, window.Control(c.name)).topLeft(), c.client);
  }
}

// A few pixels of each band, as the window should look before start-up.
TEST_F(LayoutTest, GrabShowsTheBandsInTheirColours) {
  const struct {
    QPoint at;
    QRgb colour;
  } cases[] = {
      {{8, 4}, qRgb(0, 0, 0x80)},           // the top bar, left end
      {{447, 27}, qRgb(0, 0, 0x80)},        // the top bar, right end
      {{300, 6}, qRgb(0, 0, 0x80)},         // the empty title line
      {{50, 6}, qRgb(255, 255, 255)},       // the year box
      {{9, 33}, qRgb(0xDC, 0xDC, 0xDC)},    // Sunday's heading
      {{68, 40}, qRgb(255, 255, 255)},      // between two headings
      {{447, 55}, qRgb(0xDC, 0xDC, 0xDC)},  // Saturday's heading
      {{8, 64}, qRgb(255, 255, 255)},       // the blank canvas
      {{4, 200}, qRgb(255, 255, 255)},      // the window left of it
  };
  window.show();
  const QImage grab = window.grab().toImage();
  for (const auto& c : cases) {
    EXPECT_EQ(grab.pixel(c.at), c.colour) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(LayoutTest, WindowIsFixedAndHoldsEveryControlWithoutOverlap) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillet"));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_TRUE(window.rect().contains(QRect(0, 0, 452, 377)));
  // Leaves: every control but the panels, and the spin arrows.
  std::vector<QWidget*> leaves{window.SpinFor(window.YearBox()),
                               window.SpinFor(window.MonthBox())};
  for (const Control& c : kControls) {
    if (c.kind != kPanel) leaves.push_back(window.Control(c.name));
  }
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    ASSERT_NE(leaves[i], nullptr);
    const QRect a = ClientRect(window, leaves[i]);
    EXPECT_TRUE(window.rect().contains(a))
        << leaves[i]->objectName().toStdString();
    for (std::size_t j = i + 1; j < leaves.size(); ++j) {
      EXPECT_FALSE(a.intersects(ClientRect(window, leaves[j])))
          << leaves[i]->objectName().toStdString() << " overlaps "
          << leaves[j]->objectName().toStdString();
    }
  }
}

TEST_F(LayoutTest, OnlyTheTwoBoxesTakeFocusAndTabMovesBetweenThem) {
  for (QWidget* child : window.findChildren<QWidget*>()) {
    const bool isBox = child == window.YearBox() || child == window.MonthBox();
    EXPECT_EQ(child->focusPolicy() != Qt::NoFocus, isBox)
        << child->objectName().toStdString();
  }
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.YearBox()->setFocus();
  QTest::keyClick(window.YearBox(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.MonthBox());
  QTest::keyClick(window.MonthBox(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.YearBox());
}

// Samples each control's corners and the middles of its top and bottom edges
// (text is vertically centred, so it never reaches them) in a grab taken
// before start-up. The expected colour is that of the last row covering the
// point, since controls lie over the panels that hold them.
TEST_F(LayoutTest, GrabShowsEachRowsFillColour) {
  window.show();
  const QImage grab = window.grab().toImage();
  ASSERT_EQ(grab.size(), window.size());
  auto expected = [&](QPoint p) {
    QRgb colour = kWhite;  // the window's own background
    for (const Control& c : kControls) {
      if (ClientRect(window, window.Control(c.name)).contains(p)) {
        colour = c.fill;
      }
    }
    return colour;
  };
  for (const Control& c : kControls) {
    const QRect r = ClientRect(window, window.Control(c.name));
    const int midX = r.center().x();
    for (const QPoint p :
         {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(),
          QPoint(midX, r.top()), QPoint(midX, r.bottom())}) {
      EXPECT_EQ(grab.pixel(p), expected(p))
          << c.name << " at " << p.x() << "," << p.y();
    }
  }
  EXPECT_EQ(grab.pixel(451, 376), kWhite);
  EXPECT_EQ(grab.pixel(200, 350), kWhite);
}

}  // namespace
}  // namespace quillet::ui::testing
