// A seeded random user on the real window: 10,000 keystrokes, pastes,
// deletions and spin steps on both boxes, each followed by a check of the
// boxes, the title line, the canvas and the canvas's description against a
// model of what the user did. QUILLET_SEED=<n> replays another sequence.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/box_model.h"
#include "window_fixture.h"

namespace quillet::ui::testing {
namespace {

constexpr std::uint32_t kDefaultSeed = 20240315;
constexpr int kActions = 10'000;
constexpr qsizetype kLongestPaste = 100'000;

std::uint32_t Seed() {
  bool ok = false;
  const std::uint32_t seed = qEnvironmentVariable("QUILLET_SEED").toUInt(&ok);
  return ok ? seed : kDefaultSeed;
}

// Characters with keys of their own, and characters that come as text from
// an input method (full-width digits and signs, Chinese, the ideographic
// space, one character beyond the 16-bit range).
const QString kKeyed = QStringLiteral("0123456789abzABZ.-+ ");
const QStringList kComposed = {
    QStringLiteral("２"), QStringLiteral("０"),      QStringLiteral("１"),
    QStringLiteral("９"), QStringLiteral("－"),      QStringLiteral("年"),
    QStringLiteral("月"), QStringLiteral("十二"),    QStringLiteral("　"),
    QStringLiteral("𠀀"), QStringLiteral("２０２４")};
// Numbers typed whole, at and around the ends of both ranges.
const QStringList kNumbers = {"1901", "1902", "1903",  "2046", "2047", "2048",
                              "2024", "0",    "1",     "2",    "11",   "12",
                              "13",   "-1",   "02024", "3.5"};

struct Range {
  int lo, hi;
};

// What the user has typed into one box, and where the cursor stands.
struct BoxModel {
  QLineEdit* box = nullptr;
  Range range{};
  QString text;
  qsizetype cursor = 0;

  void Insert(const QString& s) {
    text.insert(cursor, s);
    cursor += s.size();
  }
  // One character before or after the cursor; a surrogate pair is one.
  qsizetype Before() const {
    return cursor >= 2 && text[cursor - 1].isLowSurrogate() &&
                   text[cursor - 2].isHighSurrogate()
               ? 2
               : (cursor > 0 ? 1 : 0);
  }
  qsizetype After() const {
    return cursor + 1 < text.size() && text[cursor].isHighSurrogate() &&
                   text[cursor + 1].isLowSurrogate()
               ? 2
               : (cursor < text.size() ? 1 : 0);
  }
  void Step(int delta) {
    text = QString::fromStdString(
        Stepped(text.toStdU32String(), delta, range.lo, range.hi));
    cursor = text.size();
  }
};

class MonkeyTest : public WindowTest {
 protected:
  void SetUp() override {
    window.RunStartUp();
    // Start-up leaves the cursors at the ends of the texts it wrote.
    for (auto [m, box, range] :
         {std::tuple{&year, window.YearBox(), Range{1902, 2047}},
          {&month, window.MonthBox(), Range{1, 12}}}) {
      *m = {box, range, box->text(), box->text().size()};
    }
    shownMonth = today.year * 100 + today.month;
    Remember(window.CanvasControl()->Picture());
  }

  std::mt19937 random{Seed()};
  BoxModel year, month;
  int shownMonth = 0;              // year * 100 + month last drawn
  int messages = 0;                // actions that ended on a failed check
  std::map<int, QImage> pictures;  // the first picture of each month, grey
  std::map<int, QString> descriptions;
  QString pending;  // the rest of a number being typed whole

  int Pick(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  }

  // Every later draw of a month must give its first picture again. Qt's
  // glyph cache may shade the edges of a glyph one grey level differently
  // from one draw to the next, so a level or two is let pass; a wrong or
  // misplaced text differs by far more.
  std::string Remember(const QImage& picture) {
    constexpr int kShadeTolerance = 2;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const auto [it, first] = pictures.emplace(shownMonth, grey);
    if (first) return "";
    for (int y = 0; y < grey.height(); ++y) {
      const uchar* a = grey.constScanLine(y);
      const uchar* b = it->second.constScanLine(y);
      for (int x = 0; x < grey.width(); ++x) {
        if (std::abs(a[x] - b[x]) > kShadeTolerance) {
          return "a month drawn differently at " + std::to_string(x) + "," +
                 std::to_string(y);
        }
      }
    }
    return "";
  }

  // The canvas's description names every day of the shown month, from
  // "M月1日" to its last day, and stays the same whenever the month shows.
  std::string CheckDescription(const QString& description) {
    if (!DescribesMonth(description, shownMonth / 100, shownMonth % 100)) {
      return "the canvas's description is not of the shown month";
    }
    const auto [it, first_seen] = descriptions.emplace(shownMonth, description);
    if (!first_seen && it->second != description) {
      return "the canvas's description changed for the same month";
    }
    return "";
  }

  // Random text to paste: mostly short, now and then up to 100,000
  // characters, sometimes a number in front.
  QString PasteText() {
    const qsizetype length =
        std::min<qsizetype>(kLongestPaste, qsizetype{1} << Pick(18)) - Pick(2);
    QString text = Pick(3) == 0 ? kNumbers[Pick(kNumbers.size())] : QString();
    while (text.size() < length) {
      text += Pick(2) == 0 ? QString(kKeyed[Pick(kKeyed.size())])
                           : kComposed[Pick(kComposed.size())];
    }
    return text;
  }

  void Type(BoxModel& m, const QString& s) {
    const bool keyed = s.size() == 1 && s[0].unicode() < 0x80;
    if (keyed) {
      QTest::keyClick(m.box, s[0].toLatin1());
    } else if (Pick(2) == 0 && s.size() == 1) {
      QTest::sendKeyEvent(QTest::Press, m.box, Qt::Key_unknown, s,
                          Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, m.box, Qt::Key_unknown, s,
                          Qt::NoModifier);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(s);
      QApplication::sendEvent(m.box, &commit);
    }
    m.Insert(s);
  }

  void SelectAll(BoxModel& m) {
    QTest::keyClick(m.box, Qt::Key_A, Qt::ControlModifier);
  }

  struct Action {
    const char* name;
    int weight;
    std::function<void(MonkeyTest&, BoxModel&)> act;
  };

  // clang-format off
  const std::vector<Action> actions{
      {"type a key", 30, [](MonkeyTest& t, BoxModel& m) {
         t.Type(m, QString(kKeyed[t.Pick(kKeyed.size())])); }},
      {"type composed text", 10, [](MonkeyTest& t, BoxModel& m) {
         t.Type(m, kComposed[t.Pick(kComposed.size())]); }},
      {"start typing a whole number", 8, [](MonkeyTest& t, BoxModel& m) {
         t.SelectAll(m);
         m.text.clear();
         m.cursor = 0;
         t.pending = kNumbers[t.Pick(kNumbers.size())];
         QTest::keyClick(m.box, t.pending[0].toLatin1());
         m.Insert(t.pending.left(1));
         t.pending.remove(0, 1); }},
      {"paste from the clipboard", 2, [](MonkeyTest& t, BoxModel& m) {
         const QString text = t.PasteText();
         QGuiApplication::clipboard()->setText(text);
         QTest::keyClick(m.box, Qt::Key_V, Qt::ControlModifier);
         m.Insert(text); }},
      {"paste over everything", 2, [](MonkeyTest& t, BoxModel& m) {
         const QString text = t.PasteText();
         t.SelectAll(m);
         m.box->insert(text);
         m.text = text;
         m.cursor = text.size(); }},
      {"backspace", 10, [](MonkeyTest&, BoxModel& m) {
         QTest::keyClick(m.box, Qt::Key_Backspace);
         const qsizetype n = m.Before();
         m.cursor -= n;
         m.text.remove(m.cursor, n); }},
      {"delete", 5, [](MonkeyTest&, BoxModel& m) {
         QTest::keyClick(m.box, Qt::Key_Delete);
         m.text.remove(m.cursor, m.After()); }},
      {"select all and delete", 4, [](MonkeyTest& t, BoxModel& m) {
         t.SelectAll(m);
         QTest::keyClick(m.box, Qt::Key_Delete);
         m.text.clear();
         m.cursor = 0; }},
      {"cursor home or end", 3, [](MonkeyTest& t, BoxModel& m) {
         const bool home = t.Pick(2) == 0;
         QTest::keyClick(m.box, home ? Qt::Key_Home : Qt::Key_End);
         m.cursor = home ? 0 : m.text.size(); }},
      {"cursor left or right", 4, [](MonkeyTest& t, BoxModel& m) {
         const bool left = t.Pick(2) == 0;
         QTest::keyClick(m.box, left ? Qt::Key_Left : Qt::Key_Right);
         m.cursor += left ? -m.Before() : m.After(); }},
      {"click a spin arrow", 12, [](MonkeyTest& t, BoxModel& m) {
         const int delta = t.Pick(2) == 0 ? +1 : -1;
         SpinArrows* arrows = t.window.SpinFor(m.box);
         QTest::mouseClick(delta > 0 ? arrows->Up() : arrows->Down(),
                           Qt::LeftButton);
         m.Step(delta); }},
      {"press up or down", 10, [](MonkeyTest& t, BoxModel& m) {
         const int delta = t.Pick(2) == 0 ? +1 : -1;
         QTest::keyClick(m.box, delta > 0 ? Qt::Key_Up : Qt::Key_Down);
         m.Step(delta); }},
  };
  // clang-format on

  // One action on a box picked at random, or the next key of a number being
  // typed whole; returns its name.
  const char* Act(BoxModel*& target) {
    static constexpr const char* kNextKey = "type the next key of a number";
    if (!pending.isEmpty()) {
      QTest::keyClick(target->box, pending[0].toLatin1());
      target->Insert(pending.left(1));
      pending.remove(0, 1);
      return kNextKey;
    }
    target = Pick(2) == 0 ? &year : &month;
    int total = 0;
    for (const Action& a : actions) total += a.weight;
    int roll = Pick(total);
    for (const Action& a : actions) {
      if (roll < a.weight) {
        a.act(*this, *target);
        return a.name;
      }
      roll -= a.weight;
    }
    return "";
  }

  // The window against the model after one action; "" when all is well.
  std::string Check(const QImage& before, bool textChanged) {
    for (const BoxModel* m : {&year, &month}) {
      if (m->box->text() != m->text) return "a box differs from what was typed";
      if (m->box->cursorPosition() != m->cursor) return "the cursor moved";
    }
    const Outcome expected = ExpectedOutcome(year.text.toStdU32String(),
                                             month.text.toStdU32String());
    if (window.TitleLabel()->text().toStdString() != expected.title) {
      return "title line reads " + window.TitleLabel()->text().toStdString() +
             ", expected " + expected.title;
    }
    // A changed text that passes the checks is drawn. Qt may also report an
    // unchanged text as changed (a selection replaced by the same text), and
    // then the same month is drawn again.
    const QImage& picture = window.CanvasControl()->Picture();
    const bool drawn = picture.cacheKey() != before.cacheKey();
    if (!expected.drawn) {
      ++messages;
      if (drawn || picture != before)
        return "a failed check changed the canvas";
    } else if (drawn) {
      shownMonth = expected.year * 100 + expected.month;
      if (std::string fault = Remember(picture); !fault.empty()) return fault;
    } else if (textChanged) {
      return "a text that passes the checks was not drawn";
    }
    return CheckDescription(window.CanvasControl()->accessibleDescription());
  }
};

std::string Shown(const QString& text) {
  return text.size() <= 40 ? text.toStdString()
                           : text.left(40).toStdString() + "… (" +
                                 std::to_string(text.size()) + " chars)";
}

TEST_F(MonkeyTest, TenThousandActionsKeepWindowAndModelAgreed) {
  const std::uint32_t seed = Seed();
  std::cout << "monkey seed " << seed << " (QUILLET_SEED overrides)\n";
  std::map<std::string, int> counts;
  BoxModel* target = &year;
  for (int i = 0; i < kActions; ++i) {
    const QImage before = window.CanvasControl()->Picture();
    const QString yearBefore = year.text, monthBefore = month.text;
    const char* name = Act(target);
    ++counts[name];
    const bool changed = year.text != yearBefore || month.text != monthBefore;
    const std::string fault = Check(before, changed);
    ASSERT_EQ(fault, "") << "seed " << seed << ", action " << i << " (" << name
                         << " on " << target->box->objectName().toStdString()
                         << "); year box \"" << Shown(year.box->text())
                         << "\", month box \"" << Shown(month.box->text())
                         << "\"; model \"" << Shown(year.text) << "\" / \""
                         << Shown(month.text) << "\"";
  }
  // The sequence reached both kinds of outcome and many months.
  EXPECT_GT(pictures.size(), 20u);
  EXPECT_GT(messages, kActions / 10);
  for (const auto& [name, count] : counts) {
    std::cout << "  " << count << " × " << name << "\n";
  }
}

}  // namespace
}  // namespace quillet::ui::testing
