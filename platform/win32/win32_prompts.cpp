#include "platform/win32/win32_prompts.h"

#include "platform/win32/win_text.h"

int Win32Prompts::Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) {
  HWND window = owner == PromptOwner::MainWindow ? mainWindow_() : nullptr;
  return MessageBoxW(window, W(text).c_str(), W(caption).c_str(), flags);
}
