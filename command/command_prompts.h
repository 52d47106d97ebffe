#pragma once
// The message boxes of the copy, move and delete commands: they belong to the
// main window and carry the tool's caption.
#include <string_view>

#include "command/command_context.h"

void Warn(CommandContext& ctx, std::string_view text);
void Inform(CommandContext& ctx, std::string_view text);
// True only for "はい"; any other answer counts as no.
bool AskYes(CommandContext& ctx, std::string_view text);
