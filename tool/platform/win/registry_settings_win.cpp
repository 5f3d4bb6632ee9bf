// Plain Win32 and the standard library, so the MinGW check compiles and
// runs it.
#define NOMINMAX
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win/registry_settings.h"
#include "platform/win/wide_text.h"

namespace dorvane::platform {

namespace {

// The value's bytes as the registry holds them; nothing when it is absent.
std::optional<std::vector<BYTE>> ValueBytes(HKEY key, const std::wstring& name, DWORD& type) {
  // A value can grow between the size query and the read (regedit open
  // beside the tool): ask again with the new size.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> bytes(size);
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, bytes.data(), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    bytes.resize(size);
    return bytes;
  }
  return std::nullopt;
}

// A number value in decimal; empty when it holds too few bytes.
template <typename Number>
std::string NumberText(const std::vector<BYTE>& bytes) {
  if (bytes.size() < sizeof(Number)) return {};
  Number number{};
  std::memcpy(&number, bytes.data(), sizeof number);
  return std::to_string(number);
}

std::string ValueText(DWORD type, const std::vector<BYTE>& bytes) {
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
      // The stored text need not end in a NUL, and may hold one before its end.
      std::wstring_view text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
      return Utf8(text.substr(0, text.find(L'\0')));
    }
    case REG_DWORD: return NumberText<DWORD>(bytes);
    case REG_QWORD: return NumberText<std::uint64_t>(bytes);
    default: return {};
  }
}

}  // namespace

std::string UserSettingsKey(std::string_view application, std::string_view section) {
  return "Software\\" + std::string(application) + "\\" + std::string(section);
}

std::optional<std::string> ReadUserRegistryText(const std::string& key, std::string_view name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  DWORD type = REG_NONE;
  std::optional<std::vector<BYTE>> bytes = ValueBytes(handle, Wide(name), type);
  RegCloseKey(handle);
  if (!bytes) return std::nullopt;
  return ValueText(type, *bytes);
}

}  // namespace dorvane::platform
