// Unwritable and full folders for tests that run as root, where permission
// bits do not stop a write: the test process moves into a mount namespace of
// its own and mounts there a read-only view of a folder or a small tmpfs.
// Child processes started afterwards see the same mounts; the rest of the
// machine sees none of them, and they vanish with the test process.
#pragma once

#include <QString>

namespace tolvex::test {

// Moves this process into a private mount namespace (once); false when the
// process may not (not root, or a container without that right).
bool EnterPrivateMounts();

// Makes `folder` read-only in place.
bool MountReadOnly(const QString& folder);
// Mounts an empty tmpfs of `kibibytes` on `folder`.
bool MountSmallTmpfs(const QString& folder, int kibibytes);
// Undoes a mount made on `folder`.
bool Unmount(const QString& folder);

// Fills the file system of `folder` to the last byte with a file of that
// name (`folder`/filler).
void FillUp(const QString& folder);

}  // namespace tolvex::test
