// The window's fixed layout: one row per control. The window builds itself by
// walking this table, and the layout tests read the same rows back.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "monthview/canvas.h"
#include "monthview/input.h"

namespace quillet::ui {

enum class ControlKind { kLabel, kEditBox, kPanel, kCanvas, kHyperlink };
enum class Align { kNone, kLeft, kCentre };

// A face as the program names it ("宋体" or "Arial") and a size in pixels, so
// the fixed layout looks the same at any DPI setting.
struct FontChoice {
  std::string_view face;
  int pixels;
  bool bold;
};

struct SpinRange {
  int lo, hi;
};

struct LinkColors {
  Rgb visited, hover;
};

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  std::string_view in;  // the panel that holds the control, or the window
  int left, top, width, height;  // relative to `in`
  std::string_view text;
  FontChoice font;
  Rgb textColor;
  Rgb background;
  Align align;
  std::string_view accessibleName;
  SpinRange spin;   // edit boxes only
  LinkColors link;  // the hyperlink only
};

inline constexpr std::string_view kWindowName = "StartWindow";
inline constexpr std::string_view kWindowTitle = "Quillet";
// The sizes of the window icon, in pixels; one picture for each.
inline constexpr std::array<int, 3> kIconSizes{16, 32, 48};
inline constexpr int kWindowLeft = 50;
inline constexpr int kWindowTop = 50;
// The lowest and rightmost controls end at x 451 and y 376 (the hyperlink).
inline constexpr int kClientWidth = 452;
inline constexpr int kClientHeight = 377;

// The up/down arrows of an edit box sit in the 20-pixel gap to its right.
inline constexpr int kSpinGap = 2;
inline constexpr int kSpinWidth = 16;

inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kRed{0xFF, 0x00, 0x00};
inline constexpr Rgb kYellow{0xFF, 0xFF, 0x00};
inline constexpr Rgb kNavy{0x00, 0x00, 0x80};
inline constexpr Rgb kHeadingGrey{0xDC, 0xDC, 0xDC};
inline constexpr Rgb kLinkBlue{0x00, 0x00, 0xFF};
inline constexpr Rgb kLinkVisited{0x80, 0x00, 0x00};
inline constexpr Rgb kLinkHover{0x31, 0x6A, 0xC5};

inline constexpr std::string_view kSongFace = "宋体";
inline constexpr FontChoice kNoFont{"", 0, false};
inline constexpr FontChoice kSong14{kSongFace, 14, false};
inline constexpr FontChoice kArial16{"Arial", 16, false};
inline constexpr FontChoice kArial19Bold{"Arial", 19, true};
// The controls without a font of their own get one fixed face and size, so
// their text does not move with the desktop's choice of interface font.
inline constexpr FontChoice kDefaultFont{kSongFace, 12, false};
// The link shows a web address, which reads better in the sans face.
inline constexpr FontChoice kLinkFont{"Arial", 13, false};

inline constexpr SpinRange kNoSpin{0, 0};
inline constexpr SpinRange kYearRange{kFirstShownYear, kLastShownYear};
inline constexpr SpinRange kMonthRange{1, 12};
inline constexpr LinkColors kNoLink{kBlack, kBlack};
inline constexpr LinkColors kLinkStates{kLinkVisited, kLinkHover};

using enum ControlKind;
using enum Align;

// Every panel comes before the controls it holds. The link has no text of
// its own: it shows the site's host, which the window is given.
// clang-format off
inline constexpr std::array<ControlRow, 18> kLayout{{
//  name             kind        in            left  top   w    h   text       font          text colour  background    align    accessible name  spin         link
  {"ShapeBox1",     kPanel,     kWindowName,     8,   4, 440,  24, "",        kNoFont,      kNavy,       kNavy,        kNone,   "顶栏",          kNoSpin,     kNoLink},
  {"Label1",        kLabel,     "ShapeBox1",     8,   0,  32,  24, "公历",    kSong14,      kWhite,      kNavy,        kLeft,   "公历",          kNoSpin,     kNoLink},
  {"EditBox1",      kEditBox,   "ShapeBox1",    40,   1,  48,  22, "",        kArial16,     kBlack,      kWhite,       kLeft,   "年份",          kYearRange,  kNoLink},
  {"Label2",        kLabel,     "ShapeBox1",   108,   0,  12,  24, "年",      kSong14,      kWhite,      kNavy,        kLeft,   "年",            kNoSpin,     kNoLink},
  {"EditBox2",      kEditBox,   "ShapeBox1",   132,   1,  24,  22, "",        kArial16,     kBlack,      kWhite,       kLeft,   "月份",          kMonthRange, kNoLink},
  {"Label3",        kLabel,     "ShapeBox1",   176,   0,  12,  24, "月",      kSong14,      kWhite,      kNavy,        kLeft,   "月",            kNoSpin,     kNoLink},
  {"Label4",        kLabel,     "ShapeBox1",   200,   1, 232,  22, "",        kSong14,      kYellow,     kNavy,        kCentre, "标题",          kNoSpin,     kNoLink},
  {"ShapeBox2",     kPanel,     kWindowName,     8,  32, 440,  24, "",        kNoFont,      kWhite,      kWhite,       kNone,   "星期栏",        kNoSpin,     kNoLink},
  {"Label5",        kLabel,     "ShapeBox2",     0,   0,  56,  24, "星期日",  kDefaultFont, kRed,        kHeadingGrey, kCentre, "星期日",        kNoSpin,     kNoLink},
  {"Label6",        kLabel,     "ShapeBox2",    64,   0,  56,  24, "星期一",  kDefaultFont, kBlack,      kHeadingGrey, kCentre, "星期一",        kNoSpin,     kNoLink},
  {"Label7",        kLabel,     "ShapeBox2",   128,   0,  56,  24, "星期二",  kDefaultFont, kBlack,      kHeadingGrey, kCentre, "星期二",        kNoSpin,     kNoLink},
  {"Label8",        kLabel,     "ShapeBox2",   192,   0,  56,  24, "星期三",  kDefaultFont, kBlack,      kHeadingGrey, kCentre, "星期三",        kNoSpin,     kNoLink},
  {"Label9",        kLabel,     "ShapeBox2",   256,   0,  56,  24, "星期四",  kDefaultFont, kBlack,      kHeadingGrey, kCentre, "星期四",        kNoSpin,     kNoLink},
  {"Label10",       kLabel,     "ShapeBox2",   320,   0,  56,  24, "星期五",  kDefaultFont, kBlack,      kHeadingGrey, kCentre, "星期五",        kNoSpin,     kNoLink},
  {"Label11",       kLabel,     "ShapeBox2",   384,   0,  56,  24, "星期六",  kDefaultFont, kRed,        kHeadingGrey, kCentre, "星期六",        kNoSpin,     kNoLink},
  {"Canvas1",       kCanvas,    kWindowName,     8,  64, 440, 280, "",        kArial19Bold, kBlack,      kWhite,       kNone,   "月历",          kNoSpin,     kNoLink},
  {"Label12",       kLabel,     kWindowName,     8, 352,  96,  24, "欢迎来信指正", kDefaultFont, kRed,   kWhite,       kLeft,   "欢迎来信指正",  kNoSpin,     kNoLink},
  {"HyperlinkBox1", kHyperlink, kWindowName,   315, 352, 136,  24, "",        kLinkFont,    kLinkBlue,   kWhite,       kLeft,   "作者网站",      kNoSpin,     kLinkStates},
}};
// clang-format on

// Index of the row named `name`, or kLayout.size() when there is none.
constexpr std::size_t RowIndex(std::string_view name) {
  for (std::size_t i = 0; i < kLayout.size(); ++i) {
    if (kLayout[i].name == name) return i;
  }
  return kLayout.size();
}

constexpr bool PanelsComeFirst() {
  for (std::size_t i = 0; i < kLayout.size(); ++i) {
    if (kLayout[i].in == kWindowName) continue;
    std::size_t panel = RowIndex(kLayout[i].in);
    if (panel >= i || kLayout[panel].kind != kPanel) return false;
  }
  return true;
}
static_assert(PanelsComeFirst(), "a control is listed before its panel");

}  // namespace quillet::ui
