// The timing values through the registry read the tool's settings store
// uses on Windows, under a scratch key of this run that is deleted after.

#define NOMINMAX
#include <windows.h>

#include <string>

#include "base/timing_settings.h"
#include "check_program.h"
#include "platform/win/registry_settings.h"
#include "platform/win/wide_text.h"

namespace dorvane::testing {

namespace {

// The scratch application key below HKEY_CURRENT_USER\Software; deleted
// with all it holds when the case ends, however it ends.
class ScratchKey {
 public:
  ScratchKey() : m_application("DORVANE-check-" + std::to_string(GetCurrentProcessId())) {}
  ~ScratchKey() { Delete(); }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  std::string SectionKey() const { return platform::UserSettingsKey(m_application, kSettingsSection); }

  bool Write(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, platform::Wide(SectionKey()).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    bool written = RegSetValueExW(key, platform::Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
                   ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
  }
  // As an installer types it in the registry editor: a string value.
  bool WriteText(const char* name, const std::string& text) {
    std::wstring wide = platform::Wide(text);
    return Write(name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  }

  bool Delete() {
    std::wstring key = platform::Wide("Software\\" + m_application);
    LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    if (status == ERROR_SUCCESS) status = RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }

 private:
  std::string m_application;
};

void TimingValuesRoundTrip(Check& check) {
  ScratchKey scratch;
  const std::string key = scratch.SectionKey();
  SettingReader read = [&key](std::string_view name) { return platform::ReadUserRegistryText(key, name); };

  check.Expect(!read(kProgramWaitName), "a value before any was written");
  check.Expect(KeystrokePause(read, 0) == 0.5, "no value: ProgramWait is not 0.5 s");

  check.Expect(scratch.WriteText(kProgramWaitName, "2"), "ProgramWait cannot be written");
  check.Expect(scratch.WriteText(kWaitValueName, "0,3"), "WaitValue cannot be written");
  check.Expect(read(kProgramWaitName) == "2", "ProgramWait reads '" + read(kProgramWaitName).value_or("(none)") + "'");
  check.Expect(KeystrokePause(read, 0) == 2.0, "stored ProgramWait 2 is not a 2 s pause");
  check.Expect(AnswerPause(read, 0, "0.2") == 0.3, "stored WaitValue 0,3 is not a 0.3 s pause");
  // French reads nothing from the store.
  check.Expect(KeystrokePause(read, 8000) == 0.5, "French took the stored ProgramWait");

  // A number value made by hand with the registry editor's DWORD entry.
  DWORD seconds = 3;
  check.Expect(scratch.Write(kProgramWaitName, REG_DWORD, &seconds, sizeof seconds), "a DWORD cannot be written");
  check.Expect(KeystrokePause(read, 0) == 3.0, "DWORD ProgramWait 3 is not a 3 s pause");

  check.Expect(scratch.Delete(), "the scratch key cannot be deleted");
  check.Expect(!read(kProgramWaitName) && !read(kWaitValueName), "values read after the key was deleted");
  check.Expect(AnswerPause(read, 0, "1") == 1.0, "no key: WaitValue is not its default");
}

}  // namespace

std::vector<CheckCase> RegistryCases() {
  return {{"timing values round trip through the registry", TimingValuesRoundTrip}};
}

}  // namespace dorvane::testing
