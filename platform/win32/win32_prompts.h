#pragma once
// Message boxes; PromptOwner::MainWindow is the application's main window.
#include "platform/prompt_port.h"

class Win32Prompts : public IPrompts {
 public:
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override;
};
