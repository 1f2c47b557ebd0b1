// Typing into an edit box as a user would, for the snapshot tool and the
// window's tests: the old content selected and deleted, then one key press
// per character. Letters and digits come with their keys; any other
// character comes as text alone, as from an input method.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>
#include <cctype>
#include <functional>

namespace quillet::tools {

// `beforeKey` runs before each key that changes the text, the deletion
// included.
inline void Retype(QLineEdit* box, const QString& text,
                   const std::function<void()>& beforeKey = {}) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  if (beforeKey) beforeKey();
  QTest::keyClick(box, Qt::Key_Delete);
  for (const char32_t codePoint : text.toUcs4()) {
    if (beforeKey) beforeKey();
    const QString character = QString::fromUcs4(&codePoint, 1);
    Qt::Key key = Qt::Key_unknown;
    if (codePoint < 0x80 && std::isalnum(static_cast<int>(codePoint))) {
      key = static_cast<Qt::Key>(std::toupper(static_cast<int>(codePoint)));
    }
    QTest::sendKeyEvent(QTest::Press, box, key, character, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, box, key, character, Qt::NoModifier);
  }
}

}  // namespace quillet::tools
