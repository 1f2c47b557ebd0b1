// What screen readers are told about the window's own kinds of control: the
// canvas is a picture (its description, set by the window, says what it
// shows), and the link is a link whose value is its address and whose press
// action follows it, since it takes no keyboard focus.
#pragma once

namespace quillet::ui {

// Installs the answers for both kinds, once per process. It must run before
// the controls are made: Qt asks for a control's interface when its text is
// first set, and keeps what it got.
void InstallAccessibility();

}  // namespace quillet::ui
