#include "ui/fonts.h"

#include <array>

#include "ui/to_qt.h"

namespace quillet::ui {
namespace {

struct FaceFallback {
  std::string_view face;
  std::array<const char*, 3> families;  // nullptr ends a shorter list
};

constexpr std::array<FaceFallback, 2> kFallbacks{{
    {kSongFace, {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC"}},
    {"Arial", {"Arial", "Liberation Sans", nullptr}},
}};

}  // namespace

QStringList FaceFallbacks(std::string_view face) {
  for (const FaceFallback& entry : kFallbacks) {
    if (entry.face != face) continue;
    QStringList families;
    for (const char* family : entry.families) {
      if (family != nullptr) families << QString::fromUtf8(family);
    }
    return families;
  }
  return {ToQString(face)};
}

QFont ResolveFont(const FontChoice& choice, qreal devicePixelRatio) {
  QFont font;
  font.setFamilies(FaceFallbacks(choice.face));
  font.setPixelSize(choice.pixels);
  font.setBold(choice.bold);
  if (choice.face == kSongFace &&
      choice.pixels * devicePixelRatio < kCrispSongBelowPixels) {
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
  } else {
    font.setStyleStrategy(QFont::PreferAntialias);
  }
  return font;
}

int PointsToPixels(int points) { return points * 96 / 72; }

}  // namespace quillet::ui
