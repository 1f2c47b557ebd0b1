#include "ui/spin_arrows.h"

#include <memory>
#include <utility>

namespace quillet::ui {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name,
                       QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAccessibleName(name);
  return button;
}

}  // namespace

SpinArrows::SpinArrows(std::function<void(int delta)> onStep,
                       const QString& boxName, QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(Qt::UpArrow, boxName + QStringLiteral("加一"), this)),
      down_(MakeArrow(Qt::DownArrow, boxName + QStringLiteral("减一"), this)) {
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(boxName + QStringLiteral("增减"));
  auto step = std::make_shared<std::function<void(int)>>(std::move(onStep));
  connect(up_, &QToolButton::clicked, this, [step] { (*step)(+1); });
  connect(down_, &QToolButton::clicked, this, [step] { (*step)(-1); });
}

void SpinArrows::resizeEvent(QResizeEvent*) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace quillet::ui
