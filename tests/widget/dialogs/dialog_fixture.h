// What the dialog tests share: a bar window in a private home folder with a
// layout file written by the test, icon libraries of a chosen size, and a
// shell that counts the icons it is asked to extract.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "app/bar_window.h"
#include "app/settings_service.h"
#include "platform/shell.h"

namespace tolvex::test {

// Forwards to the simulated shell and counts ExtractIcon calls per index.
class TCountingShell : public platform::IShell {
 public:
  TCountingShell();
  ~TCountingShell() override;
  bool Open(const std::string& target, const std::string& parameters, const std::string& workingDir,
            int showCommand) override;
  int IconCount(const std::string& file) override;
  platform::IconImage ExtractIcon(const std::string& file, int index, int size,
                                  double devicePixelRatio) override;
  std::string AppDataFolder() override;
  std::string ProgramFile() override;

  std::map<int, int> extracted;
  int counted = 0;

 private:
  std::unique_ptr<platform::IShell> inner_;
};

// Writes a PE library with `icons` icon groups to `path`.
void WriteIconLibrary(const QString& path, int icons);

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Replaces the layout file by `sections` ("Key=Value" pairs joined by ";")
  // and rebuilds the bar.
  void Layout(const QStringList& sections);
  // The names (launchers) or kinds (snap-ins) stored in the layout file.
  QStringList Stored() const;
  QString LayoutFileName() const { return bar_->LayoutFile().FileName(); }
  QString Path(const QString& name) const { return home_.path() + "/" + name; }

  QTemporaryDir home_;
  TCountingShell* shell_ = nullptr;
  std::unique_ptr<TwTolvexDesktop> bar_;
  TSettingsDialogFactory previousDialog_;
};

}  // namespace tolvex::test
