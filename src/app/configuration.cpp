// PrepareConfiguration, in the order the start-up needs.
#include "app/configuration.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>

#include "app/default_layout.h"
#include "app/file_helpers.h"
#include "app/folders.h"

namespace tolvex {

namespace {

void TakeOverLegacyLayout() {
  const QString legacy = ProgramFolder() + "desktop/_default.txl";
  const QString layout = ChangeFileExt(ProgramFile(), ".dat");
  if (!QFileInfo::exists(legacy) || QFileInfo::exists(layout)) return;
  // The legacy file goes only once its copy is safe.
  if (!CopyFileWait(legacy, layout)) return;
  DeleteFileForced(legacy);
  QDir(ProgramFolder()).rmdir("desktop");
}

// Whether the copy was made now.
bool CopyIfMissing(const QString& source, const QString& target) {
  return QFileInfo::exists(source) && !QFileInfo::exists(target) && CopyFileWait(source, target);
}

// The first layout of a new user: the shipped one with the desktop's own
// applications in front. A bar without them is still a working bar.
void CompleteFirstLayout(const QString& fileName) {
  try {
    AddDesktopLaunchers(fileName);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tolvexBar: %s\n", error.what());
  }
}

// The first-start file of the program's name with `extension`.
QString SeedFile(const QString& extension) {
  return SeedFolder() + QFileInfo(ChangeFileExt(ProgramFile(), extension)).fileName();
}

void CopyNotes(const QString& configFileName) {
  const QDir source(SeedFolder() + "data/notes/");
  const QDir target(NotesFolder(configFileName));
  const QFileInfoList notes = NoteFiles(source.path());
  if (notes.isEmpty() || !NoteFiles(target.path()).isEmpty()) return;
  QDir().mkpath(target.path());
  for (const QFileInfo& note : notes)
    CopyFileWait(note.absoluteFilePath(), target.filePath(note.fileName()));
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
    CopyIfMissing(SeedFile(".ini"), files.ConfigFile->FileName());
    if (CopyIfMissing(SeedFile(".dat"), files.LayoutFile->FileName()))
      CompleteFirstLayout(files.LayoutFile->FileName());
    CopyNotes(files.ConfigFile->FileName());
  }
  return files;
}

}  // namespace tolvex
