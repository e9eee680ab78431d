// The open-file dialog answered through the modal hook: the chosen path, a
// cancel, and the default extension tried for a name that does not exist.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "shared/file_dialog.h"
#include "shared/modal.h"
#include "support/qt_printers.h"

namespace tolvex::test {
namespace {

TEST(FileDialog, AnswersGiveThePathOrNothingAndTryTheDefaultExtension) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const QString& name : {"prog", "tool.exe"}) {
    QFile file(folder.path() + "/" + name);
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

}  // namespace
}  // namespace tolvex::test
