#pragma once
// The compiled help viewer, opened on its index tab.

#include <string>

namespace dorvane::platform {

void OpenCompiledHelpIndex(const std::wstring& path, const std::wstring& keyword);

}  // namespace dorvane::platform
