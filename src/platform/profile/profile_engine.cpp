// Cache, batches and writes of the private-profile engine.
#include "platform/profile/profile_engine.h"

#include "platform/profile/profile_text.h"

namespace tolvex::platform::profile {

namespace {

constexpr std::size_t kCachedFiles = 32;

// One pair of matching enclosing quotes, double or single, is not part of
// the value.
std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

ProfileEngine::Entry& ProfileEngine::Load(const std::string& file) {
  Entry& entry = cache_[file];
  entry.lastUse = ++uses_;
  if (entry.loaded &&
      (entry.batchDepth > 0 || entry.readDepth > 0 || StampOf(file) == entry.stamp)) {
    return entry;
  }
  if (swept_.insert(file).second) RemoveStaleTemporaries(file);
  std::string bytes;
  const ReadResult result = ReadWholeFile(file, kMaxFileSize, bytes, entry.stamp);
  entry.document = ProfileDocument::Parse(bytes);
  entry.writable = result == ReadResult::Ok || result == ReadResult::Missing;
  entry.loaded = true;
  return entry;
}

bool ProfileEngine::Store(const std::string& file, Entry& entry) {
  const std::string bytes = entry.document.Serialize();
  const FileStamp onDisk = StampOf(file);
  std::string current;
  FileStamp ignored;
  const bool same = onDisk.exists && static_cast<std::size_t>(onDisk.size) == bytes.size() &&
                    ReadWholeFile(file, kMaxFileSize, current, ignored) == ReadResult::Ok &&
                    current == bytes;
  if (!same && !ReplaceFile(file, bytes)) return false;
  // Parsing what was written drops the text of replaced lines from memory.
  entry.document = ProfileDocument::Parse(bytes);
  entry.stamp = StampOf(file);
  return true;
}

void ProfileEngine::Forget(Entry& entry) {
  entry.loaded = false;
  entry.pending = false;
  entry.document = ProfileDocument();
}

void ProfileEngine::EvictUnused() {
  while (cache_.size() > kCachedFiles) {
    auto oldest = cache_.end();
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
      if (it->second.batchDepth == 0 && it->second.readDepth == 0 &&
          (oldest == cache_.end() || it->second.lastUse < oldest->second.lastUse)) {
        oldest = it;
      }
    }
    if (oldest == cache_.end()) return;
    cache_.erase(oldest);
  }
}

std::string ProfileEngine::ReadString(const std::string& file, std::string_view section,
                                      std::string_view key, std::string_view fallback) {
  std::lock_guard lock(mutex_);
  const Entry& entry = Load(file);
  const std::optional<std::string_view> value = entry.document.Find(section, key);
  // As the platform function does, a fallback loses its trailing blanks.
  std::string result(value ? WithoutQuotes(*value) : TrimTrailingBlanks(fallback));
  EvictUnused();
  return result;
}

std::vector<std::string> ProfileEngine::ReadSectionNames(const std::string& file) {
  std::lock_guard lock(mutex_);
  std::vector<std::string> names = Load(file).document.SectionNames();
  EvictUnused();
  return names;
}

std::vector<std::string> ProfileEngine::ReadKeyNames(const std::string& file,
                                                     std::string_view section) {
  std::lock_guard lock(mutex_);
  std::vector<std::string> names = Load(file).document.KeyNames(section);
  EvictUnused();
  return names;
}

bool ProfileEngine::WriteString(const std::string& file, std::string_view section,
                                std::optional<std::string_view> key,
                                std::optional<std::string_view> value) {
  std::lock_guard lock(mutex_);
  Entry& entry = Load(file);
  if (!entry.writable) return false;
  bool changed;
  if (!key) {
    changed = entry.document.DeleteSection(section);
  } else if (!value) {
    changed = entry.document.DeleteKey(section, *key);
  } else {
    const ProfileDocument::SetResult result = entry.document.Set(section, *key, *value);
    if (result == ProfileDocument::SetResult::Refused) return false;
    changed = result == ProfileDocument::SetResult::Changed;
  }
  bool ok = true;
  if (entry.batchDepth > 0) {
    entry.pending = entry.pending || changed;
  } else if (changed && !Store(file, entry)) {
    Forget(entry);
    ok = false;
  }
  EvictUnused();
  return ok;
}

void ProfileEngine::BeginBatch(const std::string& file, BatchStart start) {
  std::lock_guard lock(mutex_);
  Entry& entry = Load(file);
  if (entry.batchDepth == 0) {
    entry.pending = false;
    entry.discarded = false;
  }
  if (start == BatchStart::Empty) {
    // Replacing the whole file is allowed even when it could not be read.
    entry.document = ProfileDocument();
    entry.writable = true;
    entry.pending = true;
  }
  ++entry.batchDepth;
}

bool ProfileEngine::EndBatch(const std::string& file, bool commit) {
  std::lock_guard lock(mutex_);
  const auto found = cache_.find(file);
  if (found == cache_.end() || found->second.batchDepth == 0) return false;
  Entry& entry = found->second;
  entry.discarded = entry.discarded || !commit;
  if (--entry.batchDepth > 0) return true;
  bool ok;
  if (entry.discarded) {
    ok = !commit;
    // Discarded writes leave the document unlike the file.
    if (entry.pending) Forget(entry);
  } else if (!entry.pending) {
    ok = true;
  } else {
    ok = Store(file, entry);
    entry.pending = false;
    if (!ok) Forget(entry);
  }
  EvictUnused();
  return ok;
}

void ProfileEngine::BeginReading(const std::string& file) {
  std::lock_guard lock(mutex_);
  ++Load(file).readDepth;
}

void ProfileEngine::EndReading(const std::string& file) {
  std::lock_guard lock(mutex_);
  const auto found = cache_.find(file);
  if (found == cache_.end() || found->second.readDepth == 0) return;
  --found->second.readDepth;
  EvictUnused();
}

}  // namespace tolvex::platform::profile
