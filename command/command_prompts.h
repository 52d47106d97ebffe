#pragma once
// The message boxes of the copy, move and delete commands: they belong to the
// main window and carry the tool's caption.
#include <string_view>

#include "command/command_context.h"
#include "command/transfer_outcome.h"

void Warn(CommandContext& ctx, std::string_view text);
void Inform(CommandContext& ctx, std::string_view text);
// True only for "はい"; any other answer counts as no.
bool AskYes(CommandContext& ctx, std::string_view text);

// A move's or a delete's outcome in message boxes: the record's warning when
// only the "General" twin lagged, the folder that stayed, then the
// completion; or the one warning of a failure.
void ShowTransferOutcome(CommandContext& ctx, const TransferOutcome& outcome, const TransferTexts& texts);
