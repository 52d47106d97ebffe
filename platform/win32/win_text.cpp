#include "platform/win32/win_text.h"

std::string GetWindowTextU8(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return U8(text);
}

void SetWindowTextU8(HWND window, const std::string& text) { SetWindowTextW(window, W(text).c_str()); }
