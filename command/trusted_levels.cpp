#include "command/trusted_levels.h"

#include <string>

#include "catalogue/content_kinds.h"
#include "platform/windows_path.h"

namespace {

bool LevelTrusted(IFileSystem& files, const std::string& path) {
  const PathLevel level = files.InspectLevel(path);
  return !level.exists || (!level.isReparsePoint && level.ownerTrusted);
}

}  // namespace

bool DataFolderLevelsTrusted(IFileSystem& files, std::string_view dataFolder) {
  if (!IsDriveRootedPath(dataFolder) || dataFolder.size() <= 3) return false;
  const std::string folder(dataFolder);
  // The drive root itself is the volume's, not a level anyone made; every
  // '\' after it ends one level above the data folder.
  for (std::size_t slash = folder.find('\\', 3); slash != std::string::npos; slash = folder.find('\\', slash + 1))
    if (!LevelTrusted(files, folder.substr(0, slash))) return false;
  if (!LevelTrusted(files, folder)) return false;
  for (const ContentKindInfo& info : kContentKinds) {
    const std::string kindFolder = KindFolderPath(folder, info.kind);
    if (!LevelTrusted(files, kindFolder)) return false;
    if (files.IsFolder(kindFolder) && !files.ListTree(kindFolder)) return false;
  }
  return true;
}
