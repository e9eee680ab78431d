// PrepareConfiguration, in the order the start-up needs.
#include "app/configuration.h"

#include <QDir>
#include <QFileInfo>

#include "app/file_helpers.h"
#include "app/folders.h"

namespace tolvex {

namespace {

const QStringList kNoteFiles = {"*.tdn"};

void TakeOverLegacyLayout() {
  const QString legacy = ProgramFolder() + "desktop/_default.txl";
  const QString layout = ChangeFileExt(ProgramFile(), ".dat");
  if (!QFileInfo::exists(legacy) || QFileInfo::exists(layout)) return;
  // The legacy file goes only once its copy is safe.
  if (!CopyFileWait(legacy, layout)) return;
  DeleteFileForced(legacy);
  QDir(ProgramFolder()).rmdir("desktop");
}

void CopyIfMissing(const QString& source, const QString& target) {
  if (QFileInfo::exists(source) && !QFileInfo::exists(target)) CopyFileWait(source, target);
}

void CopyNotes(const QString& configFileName) {
  const QDir source(ProgramFolder() + "data/notes/");
  const QDir target(NotesFolder(configFileName));
  const QStringList notes = source.entryList(kNoteFiles, QDir::Files);
  if (notes.isEmpty() || !target.entryList(kNoteFiles, QDir::Files).isEmpty()) return;
  QDir().mkpath(target.path());
  for (const QString& note : notes) CopyFileWait(source.filePath(note), target.filePath(note));
}

}  // namespace

TConfigFiles PrepareConfiguration() {
  TakeOverLegacyLayout();
  bool perUser;
  {
    const TtxIniFile bootstrap(false);
    perUser = bootstrap.ReadBool("System", "Userspecific", true);
  }
  TConfigFiles files;
  files.ConfigFile = std::make_unique<TtxIniFile>(perUser);
  files.LayoutFile = std::make_unique<TtxIniFile>(perUser, ".dat");
  if (perUser) {
    CopyIfMissing(ChangeFileExt(ProgramFile(), ".ini"), files.ConfigFile->FileName());
    CopyIfMissing(ChangeFileExt(ProgramFile(), ".dat"), files.LayoutFile->FileName());
    CopyNotes(files.ConfigFile->FileName());
  }
  return files;
}

}  // namespace tolvex
