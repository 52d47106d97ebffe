#include "command/free_space.h"

#include <optional>

#include "command/command_prompts.h"

Room RoomFor(CommandContext& ctx, const std::string& folder, std::uint64_t requiredBytes) {
  std::optional<std::uint64_t> freeBytes;
  {
    BusyScope busy(ctx);
    freeBytes = ctx.disks.FreeBytes(folder);
  }
  if (!freeBytes) return Room::Unknown;
  return *freeBytes < requiredBytes ? Room::TooSmall : Room::Enough;
}

bool RoomOrWarn(CommandContext& ctx, Room room, std::string_view unknownMessage, std::string_view tooSmallMessage) {
  if (room == Room::Unknown) Warn(ctx, unknownMessage);
  if (room == Room::TooSmall) Warn(ctx, tooSmallMessage);
  return room == Room::Enough;
}
