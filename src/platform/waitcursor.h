#pragma once
// The hourglass for the length of a scope. Nested hourglasses stack; each restores its own.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  // Restores the cursor early, e.g. before a message box; the destructor then does nothing.
  void restore();

 private:
  bool active_ = false;
};
