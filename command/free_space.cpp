#include "command/free_space.h"

#include <limits>
#include <optional>

#include "command/command_prompts.h"

std::uint64_t RoundedToClusters(std::uint64_t bytes, std::uint64_t clusterBytes) {
  if (clusterBytes == 0 || bytes % clusterBytes == 0) return bytes;
  const std::uint64_t rounded = (bytes / clusterBytes + 1) * clusterBytes;
  return rounded < bytes ? bytes : rounded;  // no wrap at the top
}

Room RoomFor(CommandContext& ctx, const std::string& folder, const SpaceNeeded& needed) {
  std::optional<std::uint64_t> freeBytes, clusterBytes;
  {
    BusyScope busy(ctx);
    freeBytes = ctx.disks.FreeBytes(folder);
    if (freeBytes) clusterBytes = ctx.disks.ClusterBytes(folder);
  }
  if (!freeBytes) return Room::Unknown;
  return *freeBytes < needed(clusterBytes) ? Room::TooSmall : Room::Enough;
}

std::uint64_t SpaceForFiles(const std::vector<std::uint64_t>& sizes, std::optional<std::uint64_t> clusterBytes) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t total = 0;
  for (const std::uint64_t size : sizes) {
    const std::uint64_t taken = clusterBytes ? RoundedToClusters(size, *clusterBytes) : size;
    total = taken > kMax - total ? kMax : total + taken;
  }
  return total;
}

bool RoomOrWarn(CommandContext& ctx, Room room, std::string_view unknownMessage, std::string_view tooSmallMessage) {
  if (room == Room::Unknown) Warn(ctx, unknownMessage);
  if (room == Room::TooSmall) Warn(ctx, tooSmallMessage);
  return room == Room::Enough;
}
