// The private-profile service: the platform's INI-file functions. Every Part
// reaches its INI files through `TtxIniFile`, which sits on this service.
//
// Reads and writes behave as the platform functions do (see
// profile/profile_document.h for the rules); every write reaches the disk at
// once and atomically, and a write that changes nothing leaves the file
// alone. A batch collects the writes to one file and writes it once when it
// is committed; a read scope reads a file once for many look-ups.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::platform {

// How a batch starts: from the file as it is, or from an empty file (the
// file's old contents are replaced at commit).
enum class BatchStart { Keep, Empty };

class IProfile {
 public:
  virtual ~IProfile() = default;

  // The value of `key` in `section` with one pair of enclosing quotes (double
  // or single) removed, or `fallback` without its trailing blanks when the
  // file, section or key is missing.
  virtual std::string ReadString(const std::string& file, std::string_view section,
                                 std::string_view key, std::string_view fallback) = 0;
  virtual std::vector<std::string> ReadSectionNames(const std::string& file) = 0;
  virtual std::vector<std::string> ReadKeyNames(const std::string& file,
                                                std::string_view section) = 0;

  // Sets `key` to `value`; no value deletes the key, no key deletes the
  // section. A missing file is created (its folder is not). Returns false when
  // the file could not be written, or the names or value could not be read
  // back as written (see ProfileDocument::Set); the file is then unchanged.
  virtual bool WriteString(const std::string& file, std::string_view section,
                           std::optional<std::string_view> key,
                           std::optional<std::string_view> value) = 0;

  // Batches nest; the outermost end writes the file when every level
  // committed and discards the writes otherwise. EndBatch returns false when
  // the write failed.
  virtual void BeginBatch(const std::string& file, BatchStart start) = 0;
  virtual bool EndBatch(const std::string& file, bool commit) = 0;

  // Between these (they nest) reads of `file` take it as it was at the
  // outermost begin, with the writes made since, without looking at the disk
  // again. Writes still reach the disk at once.
  virtual void BeginReading(const std::string& file) = 0;
  virtual void EndReading(const std::string& file) = 0;
};

// The back end chosen at start.
IProfile& Profile();
// Replaces it (tests); nullptr returns to the default choice.
void SetProfile(std::unique_ptr<IProfile> profile);

// A batch for the life of a scope: writes made before Commit reach the disk
// with Commit, in one atomic write; without Commit they are discarded. Reads
// inside the scope see the pending writes and parse the file only once.
class ProfileBatch {
 public:
  explicit ProfileBatch(std::string file, BatchStart start = BatchStart::Keep);
  ~ProfileBatch();
  ProfileBatch(const ProfileBatch&) = delete;
  ProfileBatch& operator=(const ProfileBatch&) = delete;

  // Returns false when the file could not be written.
  bool Commit();

 private:
  std::string file_;
  bool open_ = true;
};

// A read scope (see IProfile::BeginReading) for the life of a C++ scope.
class ProfileReadScope {
 public:
  explicit ProfileReadScope(std::string file);
  ~ProfileReadScope();
  ProfileReadScope(const ProfileReadScope&) = delete;
  ProfileReadScope& operator=(const ProfileReadScope&) = delete;

 private:
  std::string file_;
};

}  // namespace tolvex::platform
