#include "command/command_prompts.h"

#include <string>

void Warn(CommandContext& ctx, std::string_view text) {
  ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kWarning);
}

void Inform(CommandContext& ctx, std::string_view text) {
  ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kInformation);
}

bool AskYes(CommandContext& ctx, std::string_view text) {
  return ctx.prompts.Show(PromptOwner::MainWindow, std::string(text), kCaption, mb::kQuestion) == mb::kIdYes;
}
