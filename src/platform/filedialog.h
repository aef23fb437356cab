#pragma once
// The common open and save dialogs, set up as the windows describe them: a filter string
// of description|pattern pairs ("Text (*.txt)|*.txt|Html (*.html)|*.html"), a title, an
// initial folder, a file name and a default extension. After execute() the file name
// holds the chosen file and filterIndex the chosen type, counted from 1.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QWidget;

struct FileFilter {
  std::string description;  // "Text (*.txt)"
  std::string patterns;     // "*.txt", several separated by ';'
};

// Splits "desc|pattern|desc|pattern"; a description without its pattern is dropped.
std::vector<FileFilter> parseFileFilter(const std::string& filter);

class FileDialog {
 public:
  enum Kind { Open, Save, Folder };

  explicit FileDialog(Kind kind = Open, std::string filter = {}, std::string defaultExt = {});

  // Shows the dialog (or asks the scripted answers of a test). true when a file was chosen;
  // then fileName is its full path and filterIndex the chosen filter (1-based). On cancel
  // nothing changes.
  bool execute(QWidget* parent = nullptr);

  Kind kind;
  std::string title;
  std::string filter;
  std::string defaultExt;  // "rwk"; a leading "*." or "." is ignored
  std::string initialDir;
  std::string fileName;    // proposed name in; chosen path out, as a cp1252 text
  // The chosen file as the file system names it: open, write and name it in messages through
  // this one, since fileName cannot hold every name a folder may have.
  std::filesystem::path filePath;
  int filterIndex = 1;     // proposed filter in, chosen filter out
  // Asks before a chosen file that exists is replaced; No shows the dialog again.
  bool overwritePrompt = false;
  // The file a save will write, from the chosen name and filter, where the caller changes
  // the ending: the overwrite question then names the file that is written. Unset: the
  // chosen file itself.
  std::function<std::string(const std::string& chosen, int filterIndex)> writtenName;
  bool fileMustExist = false;

 private:
  bool choose(QWidget* parent);
  // Whether the file the save writes may be written: it does not exist yet, or the user
  // agrees to replace it.
  bool mayWrite() const;
  std::filesystem::path again_;  // the file whose replacement was declined
  // localName: the chosen path in the file system's spelling.
  void setChosen(const std::string& localName);
};

// The name as the dialog hands it back: a name without extension gets the extension of the
// chosen filter when that filter names exactly one ("*.txt"), else the default extension.
std::string withDefaultExtension(const std::string& fileName, const std::vector<FileFilter>& filters,
                                 int filterIndex, const std::string& defaultExt);

// For tests: answers every FileDialog::execute from a script and records the dialogs asked.
// An unscripted dialog is cancelled.
class ScriptedFileDialogs {
 public:
  ScriptedFileDialogs();
  ~ScriptedFileDialogs();
  ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
  ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

  // The user chooses this file (the dialog's initial folder is put in front of a name
  // without a folder) with this filter.
  void answer(const std::string& fileName, int filterIndex = 1);
  // The same for a name that cp1252 cannot spell.
  void answerPath(const std::filesystem::path& filePath, int filterIndex = 1);
  void cancel();

  // Every dialog as it was set up when it was shown.
  const std::vector<FileDialog>& asked() const { return asked_; }

  struct Answer {
    bool ok;
    std::filesystem::path filePath;
    int filterIndex;
  };

 private:
  friend class FileDialog;
  std::vector<Answer> answers_;
  size_t next_ = 0;
  std::vector<FileDialog> asked_;
  ScriptedFileDialogs* previous_;
};

// The folder chooser (a FileDialog of kind Folder), as a text to store; empty when
// cancelled or when cp1252 cannot name the folder. Tests script it
// through ScriptedFileDialogs like any other file dialog.
std::string chooseFolder(const std::string& title, const std::string& initialDir,
                         QWidget* parent = nullptr);
