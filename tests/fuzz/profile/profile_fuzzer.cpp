// Fuzzes the private-profile parser with whole files: any bytes must parse,
// write back unchanged when valid UTF-8, and keep what is written into them.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile/profile_document.h"
#include "platform/profile/profile_text.h"

using tolvex::platform::profile::IsValidUtf8;
using tolvex::platform::profile::ProfileDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ProfileDocument document = ProfileDocument::Parse(bytes);
  if (IsValidUtf8(bytes) && document.Serialize() != bytes) std::abort();
  // Names and a value taken from the input itself reach its odd corners.
  const std::string_view section = bytes.substr(0, size / 3);
  const std::string_view key = bytes.substr(size / 3, size / 3);
  document.Find(section, key);
  document.KeyNames(section);
  document.SectionNames();
  // A key name from the input may itself look like a header; written after
  // "k" it cannot move "k" into another section.
  document.Set("S", "k", bytes.substr(2 * size / 3));
  document.Set(section, key, "value");
  ProfileDocument again = ProfileDocument::Parse(document.Serialize());
  if (again.Find("S", "k").has_value() == false) std::abort();
  again.DeleteKey(section, key);
  again.DeleteSection(section);
  again.Serialize();
  return 0;
}
