// File helpers of the start-up and the configuration files. Paths use "/".
#pragma once

#include <QString>

namespace tolvex {

// `name` alone when `folder` is empty, `folder` + `name` when the folder ends
// with "/", else `folder` + "/" + `name`.
QString AddPathPart(const QString& folder, const QString& name);

// `fileName` with its extension (from the last "." of its name part) replaced
// by `extension` (".ini"), or `extension` appended when it has none.
QString ChangeFileExt(const QString& fileName, const QString& extension);

// Makes a read-only file writable and deletes it; reports nothing.
void DeleteFileForced(const QString& path);

// Copies `source` to `target` (replacing it atomically when it exists) with
// the hourglass cursor showing meanwhile; the copy keeps the source's
// permissions. Only a regular file is copied. Returns whether the copy
// succeeded.
bool CopyFileWait(const QString& source, const QString& target);

}  // namespace tolvex
