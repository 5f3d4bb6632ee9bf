#include "platform/win/html_help.h"

#include <windows.h>

namespace dorvane::platform {

void OpenCompiledHelpIndex(const std::wstring& path, const std::wstring& keyword) {
  // The viewer lives in hhctrl.ocx; loaded on demand so a computer without it
  // only loses the help.
  using HtmlHelpW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
  HMODULE library = LoadLibraryW(L"hhctrl.ocx");
  if (!library) return;
  // Through void* so the conversion from FARPROC is not a function-type cast.
  auto htmlHelp = reinterpret_cast<HtmlHelpW>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
  constexpr UINT kDisplayIndex = 2;
  if (htmlHelp) htmlHelp(nullptr, path.c_str(), kDisplayIndex, reinterpret_cast<DWORD_PTR>(keyword.c_str()));
}

}  // namespace dorvane::platform
