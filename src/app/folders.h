// The folders the bar keeps its files in. Folder paths end with "/".
//
// A bar run from its build folder keeps the program folder model: seed files
// and plug-ins beside the program. An installed bar (its program folder has
// the installed data folder beside it) reads its seed files from the
// installed data folder and its plug-ins from the installed snap-in folder
// and the user's data folder, and writes nothing beside the program.
#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace tolvex {

// The full path of the running program file.
QString ProgramFile();
// The folder of the program file.
QString ProgramFolder();
// The user's application-data folder (created when missing where the
// platform asks for that; it may still not exist).
QString ApplicationDataFolder();
// The application-data folder joined with "tolvex".
QString PerUserFolder();
// Whether the program runs from an installation rather than its build folder.
bool IsInstalledBar();
// The folder of the first-start files (".ini", ".dat", "data/notes/"): the
// installed data folder of an installed bar, else the program folder.
QString SeedFolder();
// The folders plug-in libraries are looked up in, in that order: program
// folder + "snapins/"; for an installed bar the installed snap-in folder and
// the user's data folder + "tolvex/snapins/".
QStringList SnapInFolders();
// The first of SnapInFolders().
QString SnapInFolder();
// The folder of SnapInFolders() that holds the library `fileName`; the first
// folder when none does.
QString SnapInFolderOf(const QString& fileName);
// The notes folder: "data/notes/" in the folder of the configuration file.
QString NotesFolder(const QString& configFileName);
// The note files (".tdn", any case) in `folder`, plain and hidden ones, in
// the order of their names.
QFileInfoList NoteFiles(const QString& folder);

}  // namespace tolvex
