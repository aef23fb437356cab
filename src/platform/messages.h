#pragma once
// Every message box of the program goes through here. From a worker thread the call is
// carried to the GUI thread and waits for the answer. Tests install a responder.
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace msg {

enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum Icon { NoIcon, Information, Warning, Error, Question };
enum Result { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

struct Shown {
  std::string text;     // cp1252; a character it cannot hold reads '?'
  std::string caption;  // cp1252
  Buttons buttons = Ok;
  Icon icon = NoIcon;
  QString unicode;      // the text as the box shows it, file names as the file system spells them
};

using Responder = std::function<int(const Shown&)>;

int show(const std::string& text, const std::string& caption, Buttons buttons = Ok,
         Icon icon = NoIcon);
// A text that names a file or folder: the name stays as the file system spells it ("Łódź"),
// which cp1252 cannot always hold. Build it with qs() for the words and qtPath() for the path.
int show(const QString& text, const std::string& caption, Buttons buttons = Ok, Icon icon = NoIcon);
// A literal is a cp1252 text.
inline int show(const char* text, const std::string& caption, Buttons buttons = Ok, Icon icon = NoIcon) {
  return show(std::string(text), caption, buttons, icon);
}

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
  bool contains(const QString& textPart) const;  // in the text as shown
  bool contains(const char* textPart) const { return contains(std::string(textPart)); }
  size_t count() const { return shown_.size(); }
  void clear() { shown_.clear(); }

 private:
  std::deque<int> answers_;
  std::vector<Shown> shown_;
  Responder previous_;
};

}  // namespace msg
