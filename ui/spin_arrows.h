// The up/down arrows beside an edit box. A click (held down, it repeats)
// reports a step of +1 or -1; the arrows never take the keyboard focus. Their
// accessible names start with the box's name ("年份加一", "年份减一").
#pragma once

#include <QToolButton>
#include <QWidget>
#include <functional>

namespace quillet::ui {

class SpinArrows : public QWidget {
 public:
  SpinArrows(std::function<void(int delta)> onStep, const QString& boxName,
             QWidget* parent = nullptr);

  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace quillet::ui
