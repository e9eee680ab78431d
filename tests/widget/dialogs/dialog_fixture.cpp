// The dialog tests' fixture.
#include "dialog_fixture.h"

#include <QDir>
#include <QFile>

#include "dialogs/dialogs_registration.h"
#include "large_library.h"
#include "platform/sim/sim_shell.h"

namespace tolvex::test {

TCountingShell::TCountingShell() : inner_(std::make_unique<platform::sim::SimShell>()) {}
TCountingShell::~TCountingShell() = default;

bool TCountingShell::Open(const std::string& target, const std::string& parameters,
                          const std::string& workingDir, int showCommand) {
  return inner_->Open(target, parameters, workingDir, showCommand);
}

int TCountingShell::IconCount(const std::string& file) {
  ++counted;
  return inner_->IconCount(file);
}

platform::IconImage TCountingShell::ExtractIcon(const std::string& file, int index, int size,
                                                double devicePixelRatio) {
  ++extracted[index];
  return inner_->ExtractIcon(file, index, size, devicePixelRatio);
}

std::string TCountingShell::AppDataFolder() {
  return inner_->AppDataFolder();
}

std::string TCountingShell::ProgramFile() {
  return inner_->ProgramFile();
}

void WriteIconLibrary(const QString& path, int icons) {
  bench::LargeLibrary library;
  library.paddingBytes = 4096;
  library.namedGroups = 0;
  library.numberedGroups = icons;
  library.images = bench::IconFileImages(TOLVEX_FIXTURE_DIR "/icons/red.ico");
  const std::vector<std::uint8_t> bytes = bench::BuildLibrary(library);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

void DialogTest::SetUp() {
  ASSERT_TRUE(home_.isValid());
  qputenv("HOME", home_.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toLocal8Bit());
  QDir().mkpath(home_.path() + "/.config");
  auto shell = std::make_unique<TCountingShell>();
  shell_ = shell.get();
  platform::SetShell(std::move(shell));
  previousDialog_ = RegisterSettingsDialog({});
  RegisterElementDialogs();
  bar_ = std::make_unique<TwTolvexDesktop>();
}

void DialogTest::TearDown() {
  bar_.reset();
  RegisterSettingsDialog(std::move(previousDialog_));
  platform::SetShell(nullptr);
}

void DialogTest::Layout(const QStringList& sections) {
  TtxIniFile& layout = bar_->LayoutFile();
  for (const QString& section : layout.ReadSections()) layout.EraseSection(section);
  layout.WriteInteger("tolvexBar", "Count", int(sections.size()));
  for (int n = 1; n <= sections.size(); ++n) {
    for (const QString& pair : sections[n - 1].split(';')) {
      const int equals = int(pair.indexOf('='));
      layout.WriteString("Link" + QString::number(n), pair.left(equals), pair.mid(equals + 1));
    }
  }
  bar_->BuildElements(0);
}

QStringList DialogTest::Stored() const {
  TtxIniFile& layout = bar_->LayoutFile();
  QStringList stored;
  const int count = layout.ReadInteger("tolvexBar", "Count", 0);
  for (int n = 1; n <= count; ++n) {
    const QString section = "Link" + QString::number(n);
    stored << (layout.ReadString(section, "Type", " ") == "S"
                   ? "Kind " + layout.ReadString(section, "Kind", "?")
                   : layout.ReadString(section, "Name", "?"));
  }
  return stored;
}

}  // namespace tolvex::test
