// What a screen reader finds in the window, read through Qt's accessibility
// interfaces: a name for every control, the month on the canvas as text, the
// title line's current text, and a link it can follow; and the window icon.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QIcon>
#include <QTest>

#include "ui/hyperlink_label.h"
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

std::string Said(QWidget* widget, QAccessible::Text kind) {
  QAccessibleInterface* face = Accessible(widget);
  return face == nullptr ? "<none>" : face->text(kind).toStdString();
}

using AccessibilityTest = WindowTest;

TEST_F(AccessibilityTest, ControlsHaveTheirNames) {
  SpinArrows* yearSpin = window.SpinFor(window.YearBox());
  SpinArrows* monthSpin = window.SpinFor(window.MonthBox());
  const struct {
    QWidget* widget;
    QAccessible::Text kind;
    const char* said;
  } cases[] = {
      {window.YearBox(), QAccessible::Name, "年份"},
      {window.MonthBox(), QAccessible::Name, "月份"},
      {yearSpin, QAccessible::Name, "年份增减"},
      {yearSpin->Up(), QAccessible::Name, "年份加一"},
      {yearSpin->Down(), QAccessible::Name, "年份减一"},
      {monthSpin, QAccessible::Name, "月份增减"},
      {monthSpin->Up(), QAccessible::Name, "月份加一"},
      {monthSpin->Down(), QAccessible::Name, "月份减一"},
      {window.TitleLabel(), QAccessible::Name, "标题"},
      {window.Control("HyperlinkBox1"), QAccessible::Name, "作者网站"},
      {window.Control("Label5"), QAccessible::Name, "星期日"},
      {window.Control("Label8"), QAccessible::Name, "星期三"},
      {window.Control("Label11"), QAccessible::Name, "星期六"},
      {window.CanvasControl(), QAccessible::Name, "月历"},
      {window.YearBox(), QAccessible::Description,
       "1902 至 2047，上下方向键增减"},
      {window.MonthBox(), QAccessible::Description, "1 至 12，上下方向键增减"},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.widget, nullptr) << c.said;
    EXPECT_EQ(Said(c.widget, c.kind), c.said);
  }
  // And nothing in the window goes without a name.
  for (QWidget* child : window.findChildren<QWidget*>()) {
    EXPECT_NE(Said(child, QAccessible::Name), "")
        << child->metaObject()->className() << " "
        << child->objectName().toStdString();
  }
}

TEST_F(AccessibilityTest, RolesTellWhatEachControlIs) {
  const struct {
    QWidget* widget;
    QAccessible::Role role;
  } cases[] = {
      {window.YearBox(), QAccessible::EditableText},
      {window.SpinFor(window.YearBox())->Up(), QAccessible::Button},
      {window.TitleLabel(), QAccessible::StaticText},
      {window.Control("HyperlinkBox1"), QAccessible::Link},
      {window.CanvasControl(), QAccessible::Graphic},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widget->accessibleName().toStdString());
    EXPECT_EQ(Accessible(c.widget)->role(), c.role);
  }
}

// Each step retypes one box; the canvas's description is checked after it.
// Every text typed on the way draws too ("１" draws January before "１０").
TEST_F(AccessibilityTest, CanvasDescribesTheMonthLastDrawn) {
  const struct {
    const char* box;  // nullptr: the start-up work
    const char* typed;
    int year, month;  // the month the description should name
    const char* start;
  } steps[] = {
      {nullptr, "", 2024, 3, "3月1日 正月廿一；3月2日 正月廿二；"},
      {"EditBox1", "1901", 2024, 3, "3月1日 正月廿一"},  // year message
      {"EditBox1", "", 2024, 3, "3月1日 正月廿一"},
      {"EditBox1", "2025", 2025, 3, "3月1日 二月初二"},
      {"EditBox2", "0", 2025, 3, "3月1日 二月初二"},  // month message
      {"EditBox2", "2", 2025, 2, "2月1日 正月初四"},
      {"EditBox2", "１０", 2025, 10, "10月1日 国庆节"},  // full-width digits
  };
  const QString before = window.CanvasControl()->accessibleDescription();
  EXPECT_TRUE(before.isEmpty()) << before.toStdString();
  for (const auto& s : steps) {
    SCOPED_TRACE(std::string(s.box ? s.box : "start-up") + " " + s.typed);
    if (s.box == nullptr) {
      window.RunStartUp();
    } else {
      Retype(static_cast<QLineEdit*>(window.Control(s.box)),
             QString::fromUtf8(s.typed));
    }
    const std::string said =
        Said(window.CanvasControl(), QAccessible::Description);
    EXPECT_EQ(said.rfind(s.start, 0), 0u) << said.substr(0, 80);
    EXPECT_TRUE(DescribesMonth(QString::fromStdString(said), s.year, s.month))
        << said.substr(0, 80);
  }
}

TEST_F(AccessibilityTest, TitleLineDescriptionIsWhatItShows) {
  window.RunStartUp();
  const struct {
    const char* typed;  // into the year box
    std::string shown;
  } cases[] = {
      {"1999", ExpectedTitle(1999, 3)},
      {"2048", kYearMessage},
      {"2047", ExpectedTitle(2047, 3)},
  };
  for (const auto& c : cases) {
    Retype(window.YearBox(), QString::fromUtf8(c.typed));
    EXPECT_EQ(Said(window.TitleLabel(), QAccessible::Name), "标题");
    EXPECT_EQ(Said(window.TitleLabel(), QAccessible::Description), c.shown);
    EXPECT_EQ(Said(window.YearBox(), QAccessible::Value), c.typed);
  }
}

TEST_F(AccessibilityTest, LinkCanBeFollowedWithoutAMouse) {
  QWidget* link = window.Control("HyperlinkBox1");
  QAccessibleInterface* face = Accessible(link);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->text(QAccessible::Value).toStdString(),
            "https://example.org");
  QAccessibleActionInterface* actions = face->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(
      QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://example.org");
}

TEST_F(AccessibilityTest, WindowIconHasAPictureForEachSize) {
  const QIcon icon = window.windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (const int side : {16, 32, 48}) {
    SCOPED_TRACE(side);
    EXPECT_TRUE(sizes.contains(QSize(side, side)));
    const QImage picture = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(picture.size(), QSize(side, side));
    // Something is drawn: not every pixel is transparent.
    const auto opaque = [&](QPoint p) { return qAlpha(picture.pixel(p)) > 0; };
    EXPECT_GT(Find(picture.rect(), opaque).count, side * side / 4);
  }
}

}  // namespace
}  // namespace quillet::ui::testing
