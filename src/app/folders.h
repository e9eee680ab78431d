// The folders the bar keeps its files in. Folder paths end with "/".
#pragma once

#include <QString>

namespace tolvex {

// The full path of the running program file.
QString ProgramFile();
// The folder of the program file.
QString ProgramFolder();
// The user's application-data folder (it may not exist).
QString ApplicationDataFolder();
// The application-data folder joined with "tolvex".
QString PerUserFolder();
// Program folder + "snapins/" (plug-in libraries).
QString SnapInFolder();
// The notes folder: "data/notes/" in the folder of the configuration file.
QString NotesFolder(const QString& configFileName);

}  // namespace tolvex
