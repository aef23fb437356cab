// Every window at its default size shows its captions whole at the platform's fonts: no
// label, button, group box, column head or tab is narrower than its text. Filled from a
// district with long names, no list cell is cut while its window has room.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>
#include <set>

#include "app/mainwindow.h"
#include "app/program.h"
#include "platform/dialog.h"
#include "platform/listlook.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "support/langenamen.h"
#include "support/testenv.h"

namespace {

QString plain(QString text) { return text.remove(QLatin1Char('&')); }

// The captions of one window that do not fit, as "Class: widget 'text' needs n, has m".
std::vector<std::string> cutCaptions(QWidget* window) {
  std::vector<std::string> cut;
  const std::string name = window->metaObject()->className();
  auto report = [&](const QString& text, int need, int have) {
    if (need > have)
      cut.push_back(name + ": '" + fromQs(text) + "' needs " + std::to_string(need) + ", has " + std::to_string(have));
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    const QFontMetrics fm = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText) continue;
      if (!label->toolTip().isEmpty()) continue;  // an elided data text shows whole as its tooltip
      for (const QString& line : plain(label->text()).split(QLatin1Char('\n')))
        report(line, fm.horizontalAdvance(line), label->contentsRect().width());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      report(plain(button->text()), button->sizeHint().width(), button->width());
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      if (group->title().isEmpty()) continue;
      report(plain(group->title()), fm.horizontalAdvance(plain(group->title())) + 16, group->width());
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      QHeaderView* header = tree->header();
      if (header->isHidden()) continue;
      for (int c = 0; c < tree->columnCount(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0) continue;
        report(tree->headerItem()->text(c), header->sectionSizeHint(c), header->sectionSize(c));
      }
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i)
        report(plain(tabs->tabText(i)), fm.horizontalAdvance(plain(tabs->tabText(i))), tabs->tabRect(i).width());
    }
  }
  return cut;
}

// The list cells and numbers in fields of one window shown cut, as "Class: 'text' needs n, has m".
std::vector<std::string> cutCells(QWidget* window) {
  std::vector<std::string> cut;
  const std::string name = window->metaObject()->className();
  static const QRegularExpression number(QStringLiteral("^[0-9]+([.][0-9]+)?$"));
  for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
    if (edit->window() != window || !edit->isVisible() || !number.match(edit->text()).hasMatch()) continue;
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int need = edit->fontMetrics().horizontalAdvance(edit->text()) + 2 * frame + 4;
    if (need > edit->width())
      cut.push_back(name + ": field '" + fromQs(edit->text()) + "' needs " + std::to_string(need) + ", has " +
                    std::to_string(edit->width()));
  }
  for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
    if (view->window() != window || !view->isVisible() || qobject_cast<QHeaderView*>(view)) continue;
    auto* tree = qobject_cast<QTreeView*>(view);
    const QAbstractItemModel* m = view->model();
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    for (int r = 0; r < m->rowCount(); ++r)
      for (int c = 0; c < m->columnCount(); ++c) {
        if (tree && tree->isColumnHidden(c)) continue;
        const QModelIndex i = m->index(r, c);
        const QString text = i.data().toString();
        if (text.isEmpty()) continue;
        const QVariant f = i.data(Qt::FontRole);
        int need = QFontMetrics(f.isValid() ? f.value<QFont>() : view->font()).horizontalAdvance(text) + 2 * margin;
        if (i.data(Qt::CheckStateRole).isValid()) need = cellWidthNeeded(view, i);
        const int have = tree ? tree->columnWidth(c) : view->visualRect(i).width();
        if (need > have)
          cut.push_back(name + ": '" + fromQs(text) + "' needs " + std::to_string(need) + ", has " + std::to_string(have));
      }
  }
  return cut;
}

// Every window of the program but the clean-up's (showing it starts the clean-up), each
// shown while look sees it.
void forEveryWindow(const std::function<void(ZDialog*, const std::string&)>& look) {
  for (ZDialog* dialog : Form1->findChildren<ZDialog*>()) {
    const std::string name = dialog->metaObject()->className();
    if (name == "TZikoDbOptDlg") continue;
    dialog->show();
    QCoreApplication::processEvents();
    look(dialog, name);
    dialog->hide();
  }
}

std::string lines(const std::vector<std::string>& all) {
  std::string s;
  for (const std::string& line : all) s += line + "\n";
  return s;
}

class TextFit : public DatabaseTest {};

TEST_F(TextFit, EveryCaptionOfEveryWindowIsShownWhole) {
  msg::ScriptedMessages boxes;
  CreateWindows();
  Form1->show();
  std::vector<std::string> cut = cutCaptions(Form1);
  forEveryWindow([&](ZDialog* dialog, const std::string&) {
    for (const std::string& c : cutCaptions(dialog)) cut.push_back(c);
  });
  Form1->hide();
  DestroyWindows();
  EXPECT_TRUE(cut.empty()) << cut.size() << " captions cut:\n" << lines(cut);
}

TEST_F(TextFit, EveryListShowsLongNamesWholeWhileItsWindowHasRoom) {
  msg::ScriptedMessages boxes;
  legeLangeNamenAn();
  CreateWindows();
  std::vector<std::string> cut;
  forEveryWindow([&](ZDialog* dialog, const std::string&) {
    QList<QTabWidget*> tabs = dialog->findChildren<QTabWidget*>();
    for (int page = 0; page < (tabs.empty() ? 1 : tabs[0]->count()); ++page) {
      if (!tabs.empty()) tabs[0]->setCurrentIndex(page);
      QCoreApplication::processEvents();
      for (const std::string& c : cutCells(dialog)) cut.push_back(c);
    }
  });
  DestroyWindows();
  EXPECT_TRUE(cut.empty()) << cut.size() << " cells cut:\n" << lines(cut);
}

TEST_F(TextFit, GridLinesInTheListsOfTheWindowsThatDrawThemAndAFixedDocumentsWindow) {
  const std::set<std::string> withGrid = {
      "TZikoVereineBearbeitenDlg", "TZikoSchuetzenBearbeitenDlg",  "TZikoDiszbezDlg",
      "TZikoNSMschFuehrerAnzeigenDlg", "TZikoSchuetzenAnzeigenDlg", "TZikoSortierteAusgabeDlg",
      "TZikoNSStartTabDlg",        "TZikoNSTerminlistenDlg"};
  msg::ScriptedMessages boxes;
  CreateWindows();
  std::vector<std::string> wrong;
  forEveryWindow([&](ZDialog* dialog, const std::string& name) {
    for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
      if (view->window() == dialog && !qobject_cast<QHeaderView*>(view) && hasGridLines(view) != withGrid.count(name))
        wrong.push_back(name + (hasGridLines(view) ? " has grid lines" : " has none"));
    if (name == "TZikoNSAusgabenDlg") {
      EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "the season documents window has a fixed size";
    }
  });
  DestroyWindows();
  EXPECT_TRUE(wrong.empty()) << wrong.size() << ", the first: " << wrong[0];
}

}  // namespace
