#include "platform/filedialog.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/messages.h"
#include "platform/text.h"

namespace {

ScriptedFileDialogs* gScript = nullptr;

std::string trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// "a|b||c" -> {"a", "b", "", "c"}; an empty text gives one empty part.
std::vector<std::string> split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = s.find(separator, start);
    if (end == std::string::npos) {
      parts.push_back(s.substr(start));
      return parts;
    }
    parts.push_back(s.substr(start, end - start));
    start = end + 1;
  }
}

// "Text (*.txt)" with "*.txt" -> "Text (*.txt)"; "Alle Dateien (*.*)" -> "Alle Dateien (*)".
// Qt reads the patterns from the parentheses, and "*.*" means every file as it did for
// the users, not only names with a dot.
QString qtNameFilter(const FileFilter& f) {
  std::string desc = f.description;
  size_t open = desc.rfind('(');
  if (open != std::string::npos && desc.find(')', open) != std::string::npos) desc.erase(open);
  desc = trimmed(desc);
  std::string patterns;
  for (const std::string& part : split(f.patterns, ';')) {
    std::string p = trimmed(part);
    if (p == "*.*") p = "*";
    if (!p.empty()) patterns += (patterns.empty() ? "" : " ") + p;
  }
  return qs(desc + " (" + patterns + ")");
}

// The extension a filter stands for: "txt" for "*.txt", empty for "*.*" or several patterns.
std::string filterExtension(const std::vector<FileFilter>& filters, int index) {
  if (index < 1 || index > static_cast<int>(filters.size())) return {};
  const std::string& p = filters[static_cast<size_t>(index - 1)].patterns;
  if (p.size() < 3 || p.compare(0, 2, "*.") != 0) return {};
  std::string ext = p.substr(2);
  if (ext.find_first_of("*?;") != std::string::npos) return {};
  return ext;
}

std::string bareExtension(std::string ext) {
  while (!ext.empty() && (ext[0] == '*' || ext[0] == '.')) ext.erase(0, 1);
  return ext;
}

}  // namespace

std::vector<FileFilter> parseFileFilter(const std::string& filter) {
  std::vector<std::string> parts = split(filter, '|');
  std::vector<FileFilter> out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) out.push_back({parts[i], parts[i + 1]});
  return out;
}

std::string withDefaultExtension(const std::string& fileName, const std::vector<FileFilter>& filters,
                                 int filterIndex, const std::string& defaultExt) {
  size_t slash = fileName.find_last_of("/\\");
  std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  if (base.empty() || base.find('.') != std::string::npos) return fileName;
  std::string ext = filterExtension(filters, filterIndex);
  if (ext.empty()) ext = bareExtension(defaultExt);
  return ext.empty() ? fileName : fileName + "." + ext;
}

FileDialog::FileDialog(Kind k, std::string f, std::string ext)
    : kind(k), filter(std::move(f)), defaultExt(std::move(ext)) {}

bool FileDialog::execute(QWidget* parent) {
  again_.clear();
  for (;;) {
    if (!choose(parent)) return false;
    if (kind != Save || !overwritePrompt || mayWrite()) return true;
    // Shown again on the chosen file, as a replace declined in the system dialog does.
    again_ = filePath;
    fileName = displayPath(filePath.filename());
  }
}

bool FileDialog::mayWrite() const {
  const std::filesystem::path target = writtenName ? std::filesystem::path(writtenName(filePath.string(), filterIndex))
                                                   : filePath;
  std::error_code ec;
  if (!std::filesystem::exists(target, ec)) return true;
  return msg::show(qtPath(target) + qs(" ist bereits vorhanden.\nMöchten Sie die Datei ersetzen?"),
                   title.empty() ? std::string("Speichern unter") : title, msg::YesNo,
                   msg::Warning) == msg::IdYes;
}

bool FileDialog::choose(QWidget* parent) {
  std::vector<FileFilter> filters = parseFileFilter(filter);
  if (gScript) {
    gScript->asked_.push_back(*this);
    if (gScript->next_ >= gScript->answers_.size()) return false;
    const ScriptedFileDialogs::Answer& a = gScript->answers_[gScript->next_++];
    if (!a.ok) return false;
    std::string chosen = a.filePath.string();
    if (kind != Folder && chosen.find_first_of("/\\") == std::string::npos && !initialDir.empty())
      chosen = (fsPath(qs(initialDir)) / chosen).string();
    filterIndex = a.filterIndex;
    setChosen(kind == Folder ? chosen : withDefaultExtension(chosen, filters, filterIndex, defaultExt));
    return true;
  }

  QFileDialog dlg(parent, qs(title), again_.empty() ? qs(initialDir) : qtPath(again_.parent_path()));
  if (kind == Folder) {
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    setChosen(fsPath(dlg.selectedFiles().constFirst()).string());
    return true;
  }
  dlg.setAcceptMode(kind == Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(kind == Open && fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The question is asked afterwards, about the file that will really be written.
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
  QStringList names;
  for (const FileFilter& f : filters) names << qtNameFilter(f);
  if (!names.isEmpty()) {
    dlg.setNameFilters(names);
    if (filterIndex >= 1 && filterIndex <= names.size()) dlg.selectNameFilter(names[filterIndex - 1]);
  }
  auto suffixFor = [&](int index) {
    std::string ext = filterExtension(filters, index);
    return qs(ext.empty() ? bareExtension(defaultExt) : ext);
  };
  dlg.setDefaultSuffix(suffixFor(filterIndex));
  QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&](const QString& name) {
    dlg.setDefaultSuffix(suffixFor(static_cast<int>(names.indexOf(name)) + 1));
  });
  if (!again_.empty())
    dlg.selectFile(qtPath(again_.filename()));
  else if (!fileName.empty())
    dlg.selectFile(qs(fileName));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
  int chosenIndex = static_cast<int>(names.indexOf(dlg.selectedNameFilter())) + 1;
  filterIndex = chosenIndex > 0 ? chosenIndex : 1;
  setChosen(withDefaultExtension(fsPath(dlg.selectedFiles().constFirst()).string(), filters,
                                 filterIndex, defaultExt));
  return true;
}

void FileDialog::setChosen(const std::string& localName) {
  filePath = localName;
  fileName = displayPath(filePath);
}

std::string chooseFolder(const std::string& title, const std::string& initialDir, QWidget* parent) {
  FileDialog dlg(FileDialog::Folder);
  dlg.title = title;
  dlg.initialDir = initialDir;
  // The folder is stored as a text: one that cp1252 cannot name is not taken.
  return dlg.execute(parent) ? storablePath(dlg.filePath) : std::string();
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(gScript) { gScript = this; }

ScriptedFileDialogs::~ScriptedFileDialogs() { gScript = previous_; }

void ScriptedFileDialogs::answer(const std::string& fileName, int filterIndex) {
  answers_.push_back({true, fsPath(qs(fileName)), filterIndex});
}

void ScriptedFileDialogs::answerPath(const std::filesystem::path& filePath, int filterIndex) {
  answers_.push_back({true, filePath, filterIndex});
}

void ScriptedFileDialogs::cancel() { answers_.push_back({false, {}, 0}); }
