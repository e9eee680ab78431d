// The properties the private-profile parser must keep for any input; the
// fuzzer checks them on generated files, a unit test on the kept crashes.
#pragma once

#include <string>
#include <string_view>

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_text.h"

namespace tolvex::platform::profile {

// Any bytes must parse, write back unchanged when valid UTF-8, and keep what
// is written into them across a write and a new parse. Returns false when a
// property does not hold.
inline bool ProfileInputHolds(std::string_view bytes) {
  const std::size_t size = bytes.size();
  ProfileDocument document = ProfileDocument::Parse(bytes);
  if (IsValidUtf8(bytes) && document.Serialize() != bytes) return false;
  // Names and a value taken from the input itself reach its odd corners.
  const std::string_view section = bytes.substr(0, size / 3);
  const std::string_view key = bytes.substr(size / 3, size / 3);
  document.Find(section, key);
  document.KeyNames(section);
  document.SectionNames();
  const bool stored = document.Set("S", "k", bytes.substr(2 * size / 3));
  document.Set(section, key, "value");
  ProfileDocument again = ProfileDocument::Parse(document.Serialize());
  if (stored && !again.Find("S", "k").has_value()) return false;
  again.DeleteKey(section, key);
  again.DeleteSection(section);
  again.Serialize();
  return true;
}

}  // namespace tolvex::platform::profile
