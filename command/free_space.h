#pragma once
// Whether the volume of a destination has room for what a copy or a move will
// put there, and the warning when it has not.
#include <cstdint>
#include <string>
#include <string_view>

#include "command/command_context.h"

enum class Room { Enough, Unknown, TooSmall };

// Asks for the bytes free to the user at `folder`, with the busy flag up: the
// query can wait on a slow or network volume while messages flow.
Room RoomFor(CommandContext& ctx, const std::string& folder, std::uint64_t requiredBytes);

// True for Enough; otherwise shows the command's warning for the case.
bool RoomOrWarn(CommandContext& ctx, Room room, std::string_view unknownMessage, std::string_view tooSmallMessage);
