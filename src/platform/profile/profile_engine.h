// The portable private-profile engine: documents parsed once and cached
// (keyed by path, checked against the file's identity, size and modification
// time), batches, read scopes, and atomic writes. The first look at a file
// clears away what interrupted writes of earlier processes left beside it.
#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "platform/profile.h"
#include "platform/profile/profile_document.h"
#include "platform/profile/profile_file.h"

namespace tolvex::platform::profile {

class ProfileEngine : public IProfile {
 public:
  // Larger files read as empty and refuse writes, so a file that was not
  // read whole is never overwritten by part of it.
  static constexpr std::size_t kMaxFileSize = 16u << 20;

  std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                         std::string_view fallback) override;
  std::vector<std::string> ReadSectionNames(const std::string& file) override;
  std::vector<std::string> ReadKeyNames(const std::string& file, std::string_view section) override;
  bool WriteString(const std::string& file, std::string_view section,
                   std::optional<std::string_view> key,
                   std::optional<std::string_view> value) override;
  void BeginBatch(const std::string& file, BatchStart start) override;
  bool EndBatch(const std::string& file, bool commit) override;
  void BeginReading(const std::string& file) override;
  void EndReading(const std::string& file) override;

 private:
  struct Entry {
    bool loaded = false;
    // False when the file exists but could not be read whole.
    bool writable = true;
    FileStamp stamp;
    ProfileDocument document;
    int batchDepth = 0;
    int readDepth = 0;
    bool pending = false;  // writes not yet on disk (inside a batch)
    bool discarded = false;
    std::uint64_t lastUse = 0;
  };

  // The file's document, parsed again only when the file changed on disk; a
  // file inside a batch or read scope is not looked at.
  Entry& Load(const std::string& file);
  // Writes the document unless the file already holds exactly its bytes.
  bool Store(const std::string& file, Entry& entry);
  // The document no longer matches the file: the next look-up reads it again.
  static void Forget(Entry& entry);
  void EvictUnused();

  std::mutex mutex_;
  std::unordered_map<std::string, Entry> cache_;
  std::unordered_set<std::string> swept_;  // files whose stale temporaries are gone
  std::uint64_t uses_ = 0;
};

}  // namespace tolvex::platform::profile
