// Reading the user's network mounts from mountinfo text: which file systems
// count, whose FUSE mounts, escaped mount points, and lines that are cut
// short or malformed.
#include "platform/linux/network_mounts.h"

#include <gtest/gtest.h>

namespace tolvex::platform {
namespace {

std::vector<std::string> MountPoints(std::string_view text, unsigned uid = 1000) {
  std::vector<std::string> points;
  for (const NetworkMount& mount : ParseNetworkMounts(text, uid))
    points.push_back(mount.mountPoint);
  return points;
}

TEST(NetworkMounts, NetworkFileSystemsCountAndLocalOnesDoNot) {
  struct Row {
    const char* type;
    const char* superOptions;
    bool network;
  };
  const Row rows[] = {
      {"cifs", "rw,vers=3.1.1", true},
      {"smb3", "rw", true},
      {"smbfs", "rw", true},
      {"nfs", "rw,vers=3", true},
      {"nfs4", "rw,vers=4.2", true},
      {"fuse.sshfs", "rw,user_id=1000,group_id=1000", true},
      {"fuse.gvfsd-fuse", "rw,user_id=1000,group_id=1000", true},
      // Another user's FUSE mounts are not this user's drives.
      {"fuse.sshfs", "rw,user_id=1001,group_id=1000", false},
      {"fuse.sshfs", "rw,user_id=10000", false},
      {"ext4", "rw", false},
      {"tmpfs", "rw", false},
      {"fuse.portal", "rw,user_id=1000", false},
      {"nfsd", "rw", false},
  };
  for (const Row& row : rows) {
    const std::string line = std::string("40 22 0:40 / /mnt/x rw,relatime shared:20 - ") +
                             row.type + " source " + row.superOptions + "\n";
    const std::vector<NetworkMount> mounts = ParseNetworkMounts(line, 1000);
    ASSERT_EQ(mounts.size(), row.network ? 1u : 0u) << row.type << " " << row.superOptions;
    if (row.network) {
      EXPECT_EQ(mounts[0].type, row.type);
    }
  }
}

TEST(NetworkMounts, OptionalFieldsAndEscapedMountPoints) {
  // No optional fields, several of them, and a mount point with a space, a
  // tab and a backslash.
  const char text[] =
      "40 22 0:40 / /mnt/a rw - cifs //s/a rw\n"
      "41 22 0:41 / /mnt/b rw shared:3 master:2 propagate_from:1 - nfs s:/b rw\n"
      "42 22 0:42 / /mnt/Meine\\040Daten\\011x\\134y rw - cifs //s/c rw\n";
  EXPECT_EQ(MountPoints(text),
            (std::vector<std::string>{"/mnt/a", "/mnt/b", "/mnt/Meine Daten\tx\\y"}));
  EXPECT_TRUE(ParseNetworkMounts("42 22 0:42 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse "
                                 "rw,user_id=1000",
                                 1000)[0]
                  .IsDesktopFolder());
}

TEST(NetworkMounts, BrokenLinesAreSkipped) {
  const char text[] =
      "\n"
      "40 22 0:40 / /mnt/a rw cifs //s/a rw\n"       // no separator
      "40 22 0:40 / /mnt/a rw - cifs\n"              // cut after the type
      "40 22 0:40 / /mnt/a rw - fuse.sshfs sshfs\n"  // cut after the source
      "- cifs //s/a rw\n"                            // nothing before it
      "40 22 0:40 / - cifs //s/a rw\n"               // too few fields before it
      "43 22 0:43 / /mnt/\\09 rw - cifs //s/d rw\n"  // an escape cut short
      "44 22 0:44 / /mnt/\\777 rw - cifs //s/e rw";  // out of range, no line end
  EXPECT_EQ(MountPoints(text), (std::vector<std::string>{"/mnt/\\09", "/mnt/\\777"}));
}

TEST(NetworkMounts, AMissingFileGivesNothingAndTheProcessFileCanBeRead) {
  EXPECT_FALSE(ReadNetworkMounts("/nonexistent/mountinfo", 1000).has_value());
  EXPECT_TRUE(ReadNetworkMounts("/proc/self/mountinfo", 1000).has_value());
}

}  // namespace
}  // namespace tolvex::platform
