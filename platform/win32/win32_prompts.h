#pragma once
// Message boxes; PromptOwner::MainWindow is the window `mainWindow` names.
#include <utility>

#include "platform/prompt_port.h"
#include "platform/win32/window_owner.h"

class Win32Prompts : public IPrompts {
 public:
  explicit Win32Prompts(WindowOwner mainWindow) : mainWindow_(std::move(mainWindow)) {}
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override;

 private:
  WindowOwner mainWindow_;
};
