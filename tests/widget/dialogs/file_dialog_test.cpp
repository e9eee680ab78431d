// The open-file dialog answered through the modal hook: the chosen path, a
// cancel, and the default extension tried for a name that does not exist.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

#include "shared/file_dialog.h"
#include "shared/modal.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

TEST(FileDialog, AnswersGiveThePathOrNothingAndTryTheDefaultExtension) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"prog", "tool.exe"}) {
    QFile file(folder.path() + "/" + QString::fromUtf8(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  struct Case {
    QString answer;
    QString result;
  };
  const QString at = folder.path() + "/";
  for (const Case& c :
       {Case{at + "prog", at + "prog"}, Case{at + "tool", at + "tool.exe"}, Case{"", ""}}) {
    QStringList filters;
    TScopedModalAnswer answer([&](QDialog& shown) {
      filters = static_cast<QFileDialog&>(shown).nameFilters();
      return AnswerFileDialog(c.answer)(shown);
    });
    const QString chosen = ExecOpenFileDialog(
        nullptr, {"Durchsuchen", "Programme|*.exe;*.com;*.bat|Alle Dateien|*.*", "exe", at});
    EXPECT_EQ(chosen, c.result);
    // Program entries let every file through to the program check; "*.*"
    // also names files without an extension.
    EXPECT_EQ(filters, (QStringList{"Programme (*)", "Alle Dateien (*)"}));
  }
}

// The names the dialog lists in `folder` under its current filter, once the
// file system model has read `expected` of them (or the time is up).
QStringList Listed(QFileDialog& dialog, const QString& folder, qsizetype expected) {
  QAbstractItemModel* model = dialog.proxyModel();
  const auto names = [&] {
    QStringList listed;
    const auto* proxy = static_cast<QSortFilterProxyModel*>(model);
    const auto* files = static_cast<const QFileSystemModel*>(proxy->sourceModel());
    const QModelIndex parent = proxy->mapFromSource(files->index(folder));
    for (int row = 0; row < model->rowCount(parent); ++row)
      listed << model->index(row, 0, parent).data().toString();
    listed.sort();
    return listed;
  };
  if (!QTest::qWaitFor([&] { return names().size() >= expected; }, 5000))
    ADD_FAILURE() << "the dialog listed fewer than " << expected << " names";
  return names();
}

TEST(FileDialog, AProgramFilterListsExecutablesAndDesktopEntriesToo) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const QString name : {"a.EXE", "run", "notes.txt", "app.desktop"}) {
    QFile file(folder.path() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (name == "run") file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  }
  QDir(folder.path()).mkdir("sub");
  QStringList programs;
  QStringList everything;
  QStringList programsAgain;
  TScopedModalAnswer answer([&](QDialog& shown) {
    auto& files = static_cast<QFileDialog&>(shown);
    programs = Listed(files, folder.path(), 4);
    // As a person choosing the second entry of the file type box.
    auto* types = files.findChild<QComboBox*>("fileTypeCombo");
    EXPECT_NE(types, nullptr);
    const auto choose = [types](int entry) {
      if (types == nullptr) return;
      types->setCurrentIndex(entry);
      emit types->activated(entry);
      emit types->textActivated(types->currentText());
    };
    choose(1);
    everything = Listed(files, folder.path(), 5);
    choose(0);
    programsAgain = Listed(files, folder.path(), 4);
    return int(QDialog::Rejected);
  });
  ExecOpenFileDialog(nullptr, {"Durchsuchen", "Programme|*.exe;*.com;*.bat|Alle Dateien|*.*", "exe",
                               folder.path() + "/"});
  EXPECT_EQ(programs, (QStringList{"a.EXE", "app.desktop", "run", "sub"}));
  EXPECT_EQ(everything, (QStringList{"a.EXE", "app.desktop", "notes.txt", "run", "sub"}));
  EXPECT_EQ(programsAgain, programs);
}

}  // namespace
}  // namespace tolvex::test
