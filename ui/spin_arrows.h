// The up/down arrows beside an edit box. A click (held down, it repeats)
// reports a step of +1 or -1; the arrows never take the keyboard focus.
#pragma once

#include <QToolButton>
#include <QWidget>
#include <functional>

namespace quillet::ui {

class SpinArrows : public QWidget {
 public:
  SpinArrows(std::function<void(int delta)> onStep, QWidget* parent = nullptr);

  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace quillet::ui
