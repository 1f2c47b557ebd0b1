// HyperlinkBox1: a text that hands its address to the URL opener when
// clicked. Without an address it is blank and does nothing. Blue at first, the
// hover colour while the pointer is over it, the visited colour once it has
// been clicked. Screen readers see it as a link whose value is the address and
// whose press action follows it, since it takes no keyboard focus.
#pragma once

#include <QColor>
#include <QLabel>
#include <functional>
#include <string>

namespace quillet::ui {

class HyperlinkLabel : public QLabel {
 public:
  struct Colors {
    QColor normal, visited, hover;
  };

  HyperlinkLabel(const QString& text, std::string address, Colors colors,
                 std::function<void(const std::string&)> openUrl,
                 QWidget* parent = nullptr);

  const std::string& Address() const { return address_; }

  // Follows the link, as a click does; nothing without an address.
  void Activate();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowState();

  std::string address_;
  Colors colors_;
  std::function<void(const std::string&)> openUrl_;
  bool hovered_ = false;
  bool visited_ = false;
};

}  // namespace quillet::ui
