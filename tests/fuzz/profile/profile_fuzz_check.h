// The properties the private-profile parser must keep for any input; the
// fuzzer checks them on generated files, a unit test on the kept crashes.
#pragma once

#include <string>
#include <string_view>

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_text.h"

namespace tolvex::platform::profile {

// Any bytes must parse, write back byte for byte, and keep what is written
// into them across a write and a new parse; the file's other lines keep
// their bytes. Returns false when a property does not hold.
inline bool ProfileInputHolds(std::string_view bytes) {
  const std::size_t size = bytes.size();
  ProfileDocument document = ProfileDocument::Parse(bytes);
  if (document.Serialize() != bytes) return false;
  // Names and a value taken from the input itself reach its odd corners.
  const std::string_view section = bytes.substr(0, size / 3);
  const std::string_view key = bytes.substr(size / 3, size / 3);
  document.Find(section, key);
  document.KeyNames(section);
  document.SectionNames();
  const std::string_view value = bytes.substr(2 * size / 3);
  const bool stored = document.Set("S", "k", value) != ProfileDocument::SetResult::Refused;
  document.Set(section, key, "value");
  const std::string written = document.Serialize();
  ProfileDocument again = ProfileDocument::Parse(written);
  if (stored && !again.Find("S", "k").has_value()) return false;
  // Setting what is stored already changes nothing.
  if (stored &&
      again.Set("S", "k", *again.Find("S", "k")) != ProfileDocument::SetResult::Unchanged) {
    return false;
  }
  if (again.Serialize() != written) return false;
  again.DeleteKey(section, key);
  again.DeleteSection(section);
  again.Serialize();
  return true;
}

}  // namespace tolvex::platform::profile
