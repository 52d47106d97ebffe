#pragma once
// The Unicode boundary: every Win32 call takes UTF-16 made from our UTF-8.
#include <windows.h>

#include <string>

#include "platform/text.h"

inline std::wstring W(const std::string& utf8) { return Utf8ToUtf16(utf8); }
inline std::string U8(const std::wstring& utf16) { return Utf16ToUtf8(utf16); }

// Text of a window or control as UTF-8, whatever its length.
std::string GetWindowTextU8(HWND window);
void SetWindowTextU8(HWND window, const std::string& text);
