// The user's network drives on Linux: the mounted network file systems of
// /proc/self/mountinfo (SMB/CIFS, NFS, SSHFS and the desktop's network
// mounts through its FUSE folder), and dropping them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::platform {

struct NetworkMount {
  std::string mountPoint;  // with the kernel's octal escapes resolved
  std::string type;        // "cifs", "nfs4", "fuse.sshfs" …
  // The desktop's FUSE folder of network mounts: each entry in it is one
  // mount of the desktop, dropped through the desktop's tool.
  bool IsDesktopFolder() const { return type == "fuse.gvfsd-fuse"; }
};

// The network mounts listed in the text of a mountinfo file: every SMB/CIFS
// and NFS mount, and the FUSE network mounts of the user `uid`.
std::vector<NetworkMount> ParseNetworkMounts(std::string_view mountInfo, unsigned uid);

// The network mounts of the user in the file `path`; nothing when the file
// cannot be read.
std::optional<std::vector<NetworkMount>> ReadNetworkMounts(const std::string& path, unsigned uid);

// Drops `mount` forcibly, without waiting for files still open on it;
// a failure is not reported.
void Unmount(const NetworkMount& mount);

}  // namespace tolvex::platform
