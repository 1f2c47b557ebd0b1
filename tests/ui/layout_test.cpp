// The window against its layout table: every control's place, text, colours
// and font, and what a grab of the window shows in each control's rectangle.
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "ui/fonts.h"
#include "ui/layout.h"
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QRect ClientRect(const StartWindow& window, const QWidget* control) {
  return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, EveryControlStandsAsItsRowSays) {
  for (const ControlRow& row : kLayout) {
    SCOPED_TRACE(std::string(row.name));
    QWidget* control = window.Control(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), Q(row.in));
    EXPECT_EQ(control->geometry(),
              QRect(row.left, row.top, row.width, row.height));
    EXPECT_EQ(control->accessibleName(), Q(row.accessibleName));
    if (auto* label = qobject_cast<QLabel*>(control)) {
      // The link shows the site's host, which the fixture names.
      EXPECT_EQ(label->text(), row.kind == kHyperlink
                                   ? QStringLiteral("example.org")
                                   : Q(row.text));
    }
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
      EXPECT_EQ(box->text(), Q(row.text));
    }
    const QPalette::ColorRole text =
        row.kind == kEditBox ? QPalette::Text : QPalette::WindowText;
    EXPECT_EQ(control->palette().color(text), ToQColor(row.textColor));
    if (row.font.pixels == 0) continue;
    const QFontInfo font(control->font());
    EXPECT_TRUE(FaceFallbacks(row.font.face).contains(font.family()))
        << "resolved to " << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), row.font.pixels);
    EXPECT_EQ(font.bold(), row.font.bold);
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
  for (const ControlRow& row : kLayout) {
    if (row.kind != kPanel) leaves.push_back(window.Control(row.name));
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
    QColor colour = ToQColor(kWhite);  // the window's own background
    for (const ControlRow& row : kLayout) {
      if (ClientRect(window, window.Control(row.name)).contains(p)) {
        colour = ToQColor(row.background);
      }
    }
    return colour;
  };
  for (const ControlRow& row : kLayout) {
    const QRect r = ClientRect(window, window.Control(row.name));
    const int midX = r.center().x();
    for (const QPoint p :
         {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(),
          QPoint(midX, r.top()), QPoint(midX, r.bottom())}) {
      EXPECT_EQ(grab.pixelColor(p), expected(p))
          << row.name << " at " << p.x() << "," << p.y();
    }
  }
  EXPECT_EQ(grab.pixelColor(451, 376), ToQColor(kWhite));
  EXPECT_EQ(grab.pixelColor(200, 350), ToQColor(kWhite));
}

}  // namespace
}  // namespace quillet::ui::testing
