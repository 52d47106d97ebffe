#include "catalogue/content_kinds.h"

#include "platform/text.h"
#include "platform/windows_path.h"

std::optional<ContentKind> FindKindByName(std::string_view name) {
  for (const auto& info : kContentKinds)
    if (name == info.name) return info.kind;
  return std::nullopt;
}

std::string DiscSubjectFolder(std::string_view cdRoot, std::string_view subjectCode) {
  return JoinPath(cdRoot, std::string("TestDoc_") + std::string(subjectCode));
}

std::string DataFolder(char driveLetter, std::string_view year, std::string_view subjectCode) {
  std::string path(1, driveLetter);
  path += ":\\KR_LAB\\Tav";
  path += year;
  path += "\\TestDoc_";
  path += subjectCode;
  return path;
}

std::string KindFolderPath(std::string_view baseFolder, ContentKind kind) {
  return JoinPath(baseFolder, KindName(kind));
}

std::vector<std::string> KindFolderList(std::string_view baseFolder, const KindFlags& included) {
  std::vector<std::string> list;
  // Without a base folder the kind names alone would be relative paths, which
  // the shell resolves against the current folder.
  if (baseFolder.empty()) return list;
  for (const auto& info : kContentKinds)
    if (included[KindIndex(info.kind)]) list.push_back(KindFolderPath(baseFolder, info.kind));
  return list;
}

bool IsKindFolderPresent(IFileSystem& files, std::string_view dataFolder, ContentKind kind) {
  return files.IsFolder(KindFolderPath(dataFolder, kind));
}

KindFlags PresentKinds(IFileSystem& files, std::string_view dataFolder) {
  KindFlags present{};
  if (dataFolder.empty()) return present;
  for (const auto& info : kContentKinds) present[KindIndex(info.kind)] = IsKindFolderPresent(files, dataFolder, info.kind);
  return present;
}

std::vector<std::string> PresentKindFolderList(IFileSystem& files, std::string_view dataFolder) {
  return KindFolderList(dataFolder, PresentKinds(files, dataFolder));
}
