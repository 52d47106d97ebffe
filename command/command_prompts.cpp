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

void ShowTransferOutcome(CommandContext& ctx, const TransferOutcome& outcome, const TransferTexts& texts) {
  switch (outcome.result) {
    case Transfer::Done:
    case Transfer::TwinLagging:
      // The subject's own record changed; only its "General" twin lags.
      if (outcome.result == Transfer::TwinLagging) Warn(ctx, texts.recordFailed);
      if (!outcome.leftover.empty()) Warn(ctx, texts.leftover(outcome.leftover));
      Inform(ctx, texts.completed);
      return;
    case Transfer::RecordFailed:
      Warn(ctx, texts.recordFailed);
      return;
    default:
      Warn(ctx, texts.interrupted);
      return;
  }
}
