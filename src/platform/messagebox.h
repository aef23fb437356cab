#pragma once
// The message service's real box, a QMessageBox over the window in use; installed at start.
namespace msg {
struct Shown;
int showMessageBox(const Shown& s);
}  // namespace msg
