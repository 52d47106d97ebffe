#pragma once
// Whether the volume of a destination has room for what a copy or a move will
// put there, and the warning when it has not.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "command/command_context.h"

enum class Room { Enough, Unknown, TooSmall };

// A file's size rounded up to whole clusters: what it takes on the volume.
// An empty file takes no cluster of its own.
std::uint64_t RoundedToClusters(std::uint64_t bytes, std::uint64_t clusterBytes);

// What a step will put on a volume, given the volume's cluster size (none
// when it cannot be read).
using SpaceNeeded = std::function<std::uint64_t(std::optional<std::uint64_t> clusterBytes)>;

// Asks for the bytes free to the user at `folder` and the volume's cluster
// size, with the busy flag up: the queries can wait on a slow or network
// volume while messages flow.
Room RoomFor(CommandContext& ctx, const std::string& folder, const SpaceNeeded& needed);

// Every file of `sizes` rounded up to whole clusters, when the size is known.
std::uint64_t SpaceForFiles(const std::vector<std::uint64_t>& sizes, std::optional<std::uint64_t> clusterBytes);

// True for Enough; otherwise shows the command's warning for the case.
bool RoomOrWarn(CommandContext& ctx, Room room, std::string_view unknownMessage, std::string_view tooSmallMessage);
