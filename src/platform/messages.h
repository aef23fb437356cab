#pragma once
// Every message box of the program goes through here. From a worker thread the call is
// carried to the GUI thread and waits for the answer. Tests install a responder.
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace msg {

enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum Icon { NoIcon, Information, Warning, Error, Question };
enum Result { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

struct Shown {
  std::string text;     // cp1252
  std::string caption;  // cp1252
  Buttons buttons = Ok;
  Icon icon = NoIcon;
};

using Responder = std::function<int(const Shown&)>;

int show(const std::string& text, const std::string& caption, Buttons buttons = Ok,
         Icon icon = NoIcon);

// The common box of a failed statement: "Fehler\n\r<statement>\n\r<database message>".
void showSqlError(const std::string& statement, const std::string& dbMessage);

// The real boxes, which the widget layer installs at start. Without them a box is printed
// to stderr and answered with its first button.
void setMessageBox(Responder box);

// Replaces the real boxes (nullptr restores them); returns the previous responder.
Responder setResponder(Responder responder);

// For tests: records every box and answers from a script. Without a scripted answer a
// box is answered with its first button (Ok or Yes).
class ScriptedMessages {
 public:
  ScriptedMessages();
  ~ScriptedMessages();
  ScriptedMessages(const ScriptedMessages&) = delete;
  ScriptedMessages& operator=(const ScriptedMessages&) = delete;

  void answer(int result) { answers_.push_back(result); }
  const std::vector<Shown>& shown() const { return shown_; }
  bool contains(const std::string& textPart) const;
  size_t count() const { return shown_.size(); }
  void clear() { shown_.clear(); }

 private:
  std::deque<int> answers_;
  std::vector<Shown> shown_;
  Responder previous_;
};

}  // namespace msg
