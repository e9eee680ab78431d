// UTF-8 texts of the platform interfaces to and from the UTF-16 texts of the
// system's functions.
#pragma once

#include <string>
#include <string_view>

namespace tolvex::platform {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace tolvex::platform
