#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/filedialog.h"
#include "platform/text.h"

namespace {
const char* kListFilter = "Textformat (*.txt)|*.txt|Html-Format (*.html)|*.html|Dbf-Format (*.dbf)|*.dbf";
}

TEST(FileFilter, SplitsDescriptionPatternPairs) {
  auto f = parseFileFilter(kListFilter);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[1].description, "Html-Format (*.html)");
  EXPECT_EQ(f[1].patterns, "*.html");
  EXPECT_EQ(parseFileFilter("Alle (*.*)|*.*|Rest ohne Muster").size(), 1u);
  EXPECT_TRUE(parseFileFilter("").empty());
}

TEST(FileFilter, ANameWithoutExtensionGetsTheChosenTypesExtension) {
  auto f = parseFileFilter("Rundenwettkampf-Daten (*.rwk)|*.rwk|Rundenwettkampf-Daten (*.rwd)|*.rwd|Alle Dateien (*.*)|*.*");
  EXPECT_EQ(withDefaultExtension("/d/Gau", f, 2, "rwk"), "/d/Gau.rwd");
  EXPECT_EQ(withDefaultExtension("/d/Gau", f, 1, "rwd"), "/d/Gau.rwk");
  // "*.*" names no extension: the default one is used, with or without its "*."
  EXPECT_EQ(withDefaultExtension("/d/Gau", f, 3, "*.mdb"), "/d/Gau.mdb");
  EXPECT_EQ(withDefaultExtension("/d/Gau", f, 9, ""), "/d/Gau");
  // A typed extension stays, even another type's; the caller decides by the filter.
  EXPECT_EQ(withDefaultExtension("/d/liste.html", f, 1, "rwk"), "/d/liste.html");
  // A dot in a folder name is no extension.
  EXPECT_EQ(withDefaultExtension("/d.v1/Gau", f, 1, ""), "/d.v1/Gau.rwk");
  EXPECT_EQ(withDefaultExtension("C:\\d.v1\\Gau", f, 1, ""), "C:\\d.v1\\Gau.rwk");
}

TEST(ScriptedFileDialogs, AnswersInOrderAndRecordsWhatWasAsked) {
  ScriptedFileDialogs script;
  script.answer("liste", 2);
  script.answer("/abs/ort/datei.txt", 1);
  script.cancel();

  FileDialog save(FileDialog::Save, kListFilter, "txt");
  save.title = "Speichern unter";
  save.initialDir = "/home/gau";
  save.fileName = "Tabelle";
  save.overwritePrompt = true;
  ASSERT_TRUE(save.execute());
  EXPECT_EQ(save.fileName, "/home/gau/liste.html") << "initial folder and the chosen type's extension";
  EXPECT_EQ(save.filterIndex, 2);

  ASSERT_TRUE(save.execute());
  EXPECT_EQ(save.fileName, "/abs/ort/datei.txt");
  EXPECT_EQ(save.filterIndex, 1);

  save.fileName = "unverändert";
  EXPECT_FALSE(save.execute());
  EXPECT_EQ(save.fileName, "unverändert") << "a cancelled dialog changes nothing";
  EXPECT_FALSE(save.execute()) << "an unscripted dialog is cancelled";

  ASSERT_EQ(script.asked().size(), 4u);
  EXPECT_EQ(script.asked()[0].title, "Speichern unter");
  EXPECT_EQ(script.asked()[0].fileName, "Tabelle") << "recorded as it was set up";
  EXPECT_TRUE(script.asked()[0].overwritePrompt);
  EXPECT_EQ(script.asked()[0].kind, FileDialog::Save);
}

TEST(ScriptedFileDialogs, FolderChooser) {
  ScriptedFileDialogs script;
  script.answer("/daten/meldungen");
  script.cancel();
  EXPECT_EQ(chooseFolder("Ordner", "/daten"), "/daten/meldungen");
  EXPECT_EQ(chooseFolder("Ordner", "/daten"), "");
  ASSERT_EQ(script.asked().size(), 2u);
  EXPECT_EQ(script.asked()[0].kind, FileDialog::Folder);
  EXPECT_EQ(script.asked()[0].initialDir, "/daten");
}

namespace {
// Plays the user of the next real file dialog: picks a filter, types a name, confirms.
void whenTheDialogOpens(int filterIndex, const QString& typed, QStringList* filtersShown) {
  QTimer::singleShot(0, [=] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
        *filtersShown = d->nameFilters();
        d->selectNameFilter(d->nameFilters().value(filterIndex - 1));
        emit d->filterSelected(d->nameFilters().value(filterIndex - 1));
        d->selectFile(typed);
        QMetaObject::invokeMethod(d, "accept");
      }
  });
}
}  // namespace

TEST(FileDialogOnScreen, ReportsTheChosenFilterByPositionAndAddsItsExtension) {
  QTemporaryDir dir;
  FileDialog save(FileDialog::Save, "Rundenwettkampf-Daten (*.rwk)|*.rwk|Rundenwettkampf-Daten (*.rwd)|*.rwd|Alle Dateien (*.*)|*.*", "rwk");
  save.initialDir = fromQs(dir.path());
  QStringList shown;
  whenTheDialogOpens(2, QStringLiteral("export"), &shown);
  ASSERT_TRUE(save.execute());
  EXPECT_EQ(save.filterIndex, 2) << "two filters share a description; the position tells them apart";
  EXPECT_EQ(save.fileName, fromQs(dir.path()) + "/export.rwd");
  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[2], QStringLiteral("Alle Dateien (*)")) << "every file, not only names with a dot";
}
