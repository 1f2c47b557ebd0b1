// The window at work: start-up, typing and spin steps redraw through the real
// month view; the hyperlink and the canvas's own drawing.
#include <QTest>
#include <map>

#include "ui/layout.h"
#include "ui/system_services.h"
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

// The smallest rectangle holding every pixel of `image` that is not white.
QRect Inked(const QImage& image) {
  const auto ink = [&](QPoint p) {
    return image.pixel(p) != qRgb(255, 255, 255);
  };
  return Find(image.rect(), ink).bounds;
}

// The colours of the pixels of `image` within `area`, and how many of each.
std::map<QRgb, int> Colours(const QImage& image, const QRect& area) {
  std::map<QRgb, int> colours;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ++colours[image.pixel(x, y) | 0xFF000000u];
    }
  }
  return colours;
}

TEST_F(WindowTest, StartUpFillsTheBoxesOpensThePageOnceAndDraws) {
  const struct {
    CivilDate today;
    const char* year;
    const char* month;
    std::string title;
  } cases[] = {
      {{2024, 3, 15}, "2024", "3", ExpectedTitle(2024, 3)},
      {{1902, 12, 31}, "1902", "12", ExpectedTitle(1902, 12)},
      {{2048, 1, 1}, "2048", "1", kYearMessage},
      {{1901, 6, 1}, "1901", "6", kYearMessage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    today = c.today;
    opened.clear();
    const auto fresh = Another();
    fresh->RunStartUp();
    EXPECT_EQ(fresh->YearBox()->text().toStdString(), c.year);
    EXPECT_EQ(fresh->MonthBox()->text().toStdString(), c.month);
    EXPECT_EQ(Title(*fresh), c.title);
    EXPECT_EQ(Inked(fresh->CanvasControl()->Picture()).isEmpty(),
              c.title == kYearMessage);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "https://example.org/tc2.htm");
  }
}

// Without a site, start-up opens nothing, and the link stays in its place,
// white and empty, and does nothing when clicked.
TEST_F(WindowTest, WithoutASiteNothingIsOpenedAndTheLinkIsBlank) {
  const auto noSite = Another("");
  noSite->show();
  noSite->RunStartUp();
  EXPECT_EQ(noSite->YearBox()->text(), QStringLiteral("2024"));
  auto* link = static_cast<QLabel*>(noSite->Control("HyperlinkBox1"));
  EXPECT_EQ(link->text(), QString());
  EXPECT_EQ(link->geometry(), QRect(315, 352, 136, 24));
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(
      Inked(link->grab().toImage().convertToFormat(QImage::Format_RGB32))
          .isEmpty());
}

TEST_F(WindowTest, TypingRedrawsOrLeavesTheCanvasWithAMessage) {
  const struct {
    const char* box;
    const char* typed;
    std::string title;  // a message leaves the canvas as it was
  } cases[] = {
      {"EditBox2", "7", ExpectedTitle(2024, 7)},
      {"EditBox2", "12", ExpectedTitle(2024, 12)},
      {"EditBox1", "2025", ExpectedTitle(2025, 3)},
      {"EditBox2", "08", ExpectedTitle(2024, 8)},
      {"EditBox1", "1901", kYearMessage},
      {"EditBox1", "x2024", kYearMessage},
      {"EditBox2", "13", kMonthMessage},
      {"EditBox2", "", kMonthMessage},
  };
  window.RunStartUp();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    window.YearBox()->setText("2024");
    window.MonthBox()->setText("3");
    auto* box = static_cast<QLineEdit*>(window.Control(c.box));
    QImage before;
    Retype(box, QString::fromUtf8(c.typed),
           [&] { before = window.CanvasControl()->Picture().copy(); });
    EXPECT_EQ(box->text(), QString::fromUtf8(c.typed));
    EXPECT_EQ(Title(window), c.title);
    const bool message = c.title == kYearMessage || c.title == kMonthMessage;
    EXPECT_EQ(Picture() == before, message);
  }
}

TEST_F(WindowTest, BoxesTakeLongPastedText) {
  window.RunStartUp();
  const QString pasted(40000, QLatin1Char('9'));
  window.YearBox()->selectAll();
  window.YearBox()->insert(pasted);
  EXPECT_EQ(window.YearBox()->text(), pasted);
  EXPECT_EQ(Title(window), kYearMessage);
}

TEST_F(WindowTest, SpinStepsRedrawAndStayWithinRange) {
  enum How { kArrow, kKey };
  const struct {
    const char* box;
    const char* start;
    int delta;
    How how;
    const char* after;
  } cases[] = {
      {"EditBox1", "2024", +1, kArrow, "2025"},
      {"EditBox1", "2047", +1, kArrow, "2047"},
      {"EditBox1", "1902", -1, kKey, "1902"},
      {"EditBox1", "1901", +1, kArrow, "1902"},
      {"EditBox2", "3", -1, kArrow, "2"},
      {"EditBox2", "12", +1, kKey, "12"},
      {"EditBox2", "1", -1, kArrow, "1"},
      {"EditBox2", "13", -1, kKey, "12"},
  };
  window.RunStartUp();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.start);
    auto* box = static_cast<QLineEdit*>(window.Control(c.box));
    window.YearBox()->setText("2024");
    window.MonthBox()->setText("3");
    box->setText(c.start);
    const QImage before = Picture();
    if (c.how == kArrow) {
      SpinArrows* arrows = window.SpinFor(box);
      QTest::mouseClick(c.delta > 0 ? arrows->Up() : arrows->Down(),
                        Qt::LeftButton);
    } else {
      QTest::keyClick(box, c.delta > 0 ? Qt::Key_Up : Qt::Key_Down);
    }
    EXPECT_EQ(box->text().toStdString(), c.after);
    const int year = window.YearBox()->text().toInt();
    const int month = window.MonthBox()->text().toInt();
    EXPECT_EQ(Title(window), ExpectedTitle(year, month));
    EXPECT_EQ(Picture() == before, std::string(c.start) == c.after);
  }
}

TEST_F(WindowTest, HyperlinkOpensTheSiteAndChangesNothingElse) {
  window.RunStartUp();
  const QImage before = Picture();
  const std::string title = Title(window);
  opened.clear();
  QTest::mouseClick(window.Control("HyperlinkBox1"), Qt::LeftButton);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://example.org");
  EXPECT_EQ(static_cast<QLabel*>(window.Control("HyperlinkBox1"))->text(),
            QStringLiteral("example.org"));
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(Title(window), title);
  EXPECT_EQ(window.YearBox()->text(), QStringLiteral("2024"));
}

// Small Song text is drawn crisp: its ink is exactly the layout's colour,
// with no grey fringe, in the controls and on the canvas.
TEST_F(WindowTest, SmallSongTextIsInkOfTheLayoutsColours) {
  window.show();
  window.RunStartUp();
  const struct {
    const char* name;
    QRgb background, ink;
  } controls[] = {
      {"Label5", qRgb(0xDC, 0xDC, 0xDC), qRgb(0xFF, 0, 0)},   // 星期日
      {"Label6", qRgb(0xDC, 0xDC, 0xDC), qRgb(0, 0, 0)},      // 星期一
      {"Label11", qRgb(0xDC, 0xDC, 0xDC), qRgb(0xFF, 0, 0)},  // 星期六
      {"Label4", qRgb(0, 0, 0x80), qRgb(0xFF, 0xFF, 0)},      // the title
      {"Label1", qRgb(0, 0, 0x80), qRgb(0xFF, 0xFF, 0xFF)},   // 公历
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    const QImage shot = window.Control(c.name)->grab().toImage();
    const auto colours = Colours(shot, shot.rect());
    EXPECT_EQ(colours.size(), 2u);
    EXPECT_TRUE(colours.contains(c.background));
    EXPECT_GT(colours.contains(c.ink) ? colours.at(c.ink) : 0, 20);
  }
  // March 2024: the labels of the fourth row (top 135 + 30) lie clear of the
  // watermark; each is white and one ink.
  const QImage picture = Picture();
  for (const int cellX : {38, 102, 166, 230, 294, 358, 422}) {
    SCOPED_TRACE(cellX);
    const auto colours = Colours(picture, QRect(cellX - 12, 165, 24, 12));
    EXPECT_EQ(colours.size(), 2u);
    EXPECT_TRUE(colours.contains(qRgb(0xFF, 0xFF, 0xFF)));
  }
}

// The link's text and underline are blue at first, RGB 316AC5 while the
// pointer is over it and RGB 800000 once it has been followed.
TEST_F(WindowTest, LinkColoursFollowItsStates) {
  window.show();
  QWidget* link = window.Control("HyperlinkBox1");
  const QRgb blue = qRgb(0, 0, 0xFF), hover = qRgb(0x31, 0x6A, 0xC5),
             visited = qRgb(0x80, 0, 0);
  const auto shows = [&](QRgb wanted) {
    const QImage shot = link->grab().toImage();
    const auto colours = Colours(shot, shot.rect());
    int others = 0;
    for (const QRgb state : {blue, hover, visited}) {
      if (state != wanted) others += colours.contains(state);
    }
    return colours.contains(wanted) && colours.at(wanted) > 10 && others == 0;
  };
  EXPECT_TRUE(shows(blue));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(320, 357));
  QApplication::sendEvent(link, &enter);
  EXPECT_TRUE(shows(hover));
  QTest::mouseClick(link, Qt::LeftButton);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_TRUE(shows(visited));
  EXPECT_EQ(opened, std::vector<std::string>{"https://example.org"});
}

// A repaint shows the kept picture; nothing is drawn again.
TEST_F(WindowTest, CanvasRepaintShowsTheKeptPicture) {
  window.show();
  window.RunStartUp();
  const QImage shown = window.CanvasControl()->grab().toImage().convertToFormat(
      QImage::Format_RGB32);
  EXPECT_EQ(shown, Picture());
  EXPECT_FALSE(Inked(shown).isEmpty());
}

TEST_F(WindowTest, CanvasTextStandsBelowAndRightOfItsPointOnItsBackground) {
  CanvasWidget& canvas = *window.CanvasControl();
  canvas.SetFont({"Arial", 18, true});
  canvas.SetTextColor({0, 0, 0});
  const struct {
    std::optional<Rgb> background;
    QPoint at;
  } cases[] = {{std::nullopt, {100, 50}}, {Rgb{0, 255, 255}, {200, 120}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.at.x());
    canvas.Clear();
    canvas.SetTextBackground(c.background);
    canvas.WriteText(c.at.x(), c.at.y(), "28");
    const QImage picture = Picture();
    const QRect inked = Inked(picture);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_GE(inked.left(), c.at.x());
    EXPECT_GE(inked.top(), c.at.y());
    EXPECT_LT(inked.bottom(), c.at.y() + 24 + 8);  // an 18 pt (24 px) line
    const QRgb corner = picture.pixel(c.at);
    EXPECT_EQ(corner, c.background ? qRgb(0, 255, 255) : qRgb(255, 255, 255));
    if (c.background) {
      EXPECT_EQ(inked.topLeft(), c.at);
    }
  }
}

}  // namespace
}  // namespace quillet::ui::testing
