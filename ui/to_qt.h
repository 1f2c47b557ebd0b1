// The month view's colours and UTF-8 texts as Qt takes them.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

#include "monthview/canvas.h"

namespace quillet::ui {

inline QColor ToQColor(Rgb color) {
  return QColor(color.red, color.green, color.blue);
}

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace quillet::ui
