#include "command/folder_path_rules.h"

#include <string>

#include "catalogue/content_kinds.h"
#include "platform/text.h"

const char* const kFolderMissingQuestionFormat = "%s は存在しません。作成しますか？";
const char* const kFolderMalformedMessage = "正しいフォルダを入力してください。";
const char* const kFolderNotCreatedFormat = "%s を作成できません。";

namespace {

constexpr std::string_view kForbidden = "\"*/:<>?\\|";

bool IsEdgeBlank(char c) { return c == '\t' || c == ' ' || c == '.'; }


// Puts `path` in place of the one "%s" of a message format.
std::string WithPath(const char* format, std::string_view path) {
  std::string text = format;
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

// The walk shared by the check and the creation. With `files` null it checks
// the form only; otherwise it creates the levels as it goes.
FolderResult WalkFolderPath(std::string_view path, IFileSystem* files, std::vector<std::string>* created) {
  using enum FolderResult;
  if (!IsDriveRootedPath(path) || !FitsShellPath(path)) return Malformed;
  if (path.size() == 3) return !files || files->Exists(std::string(path)) ? Ok : NotCreated;

  // UTF-8 never puts a byte below 0x80 inside a multi-byte character, so the
  // separators are found byte by byte without splitting a name.
  std::size_t start = 3;
  for (;;) {
    const std::size_t end = path.find('\\', start);
    const bool last = end == std::string_view::npos;
    if (!IsValidFolderName(path.substr(start, last ? std::string_view::npos : end - start))) return Malformed;
    if (files) {
      const std::string upToHere(path.substr(0, last ? path.size() : end));
      if (last && files->Exists(upToHere)) return Appeared;
      // The result of the creation says little (it fails for a level that is
      // already there); whether the level exists afterwards is what counts.
      const bool made = files->CreateFolder(upToHere);
      if (!files->Exists(upToHere)) return NotCreated;
      if (made && created) created->push_back(upToHere);
    }
    if (last) return Ok;
    start = end + 1;
    if (start == path.size()) return Malformed;  // a trailing '\'
  }
}

}  // namespace

bool IsValidFolderName(std::string_view name) {
  if (name.empty() || IsEdgeBlank(name.front()) || IsEdgeBlank(name.back())) return false;
  // A cut or ill-formed character could not be handed to Windows as a name,
  // and an overlong one would turn into a separator on the way.
  if (!IsWellFormedUtf8(name)) return false;
  return name.find_first_of(kForbidden) == std::string_view::npos;
}

FolderResult CheckFolderPath(std::string_view path) { return WalkFolderPath(path, nullptr, nullptr); }

std::string_view WithoutTrailingBackslash(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return folder;
}

FolderResult CreateFolderPath(IFileSystem& files, std::string_view path, std::vector<std::string>* created) {
  // The whole form is checked before the disk is touched, so that a path that
  // turns out malformed halfway ("D:\a\\b") leaves no folders behind.
  if (const FolderResult form = CheckFolderPath(path); form != FolderResult::Ok) return form;
  return WalkFolderPath(path, &files, created);
}

FolderResult EnsureFolderExists(IFileSystem& files, IPrompts& prompts, std::string_view path,
                                std::vector<std::string>* created) {
  using enum FolderResult;
  constexpr unsigned kBox = mb::kTaskModal;
  const auto report = [&](FolderResult result) {
    prompts.Show(PromptOwner::None,
                 result == Malformed ? std::string(kFolderMalformedMessage) : WithPath(kFolderNotCreatedFormat, path),
                 kCaption, mb::kWarning | kBox);
    return result;
  };

  if (const FolderResult form = CheckFolderPath(path); form != Ok) return report(form);
  if (files.Exists(std::string(path))) return Ok;
  if (prompts.Show(PromptOwner::None, WithPath(kFolderMissingQuestionFormat, path), kCaption,
                   mb::kQuestion | kBox) != mb::kIdYes)
    return Declined;
  const FolderResult result = CreateFolderPath(files, path, created);
  return result == Ok ? Ok : report(result);
}

bool IsDataFolderPath(std::string_view path) { return IsDriveRootedPath(path) && path.size() > 3; }

std::optional<std::string> ActionableDataFolder(IFileSystem& files, std::string_view registered,
                                                std::string_view subjectCode) {
  const std::string plain(WithoutTrailingBackslash(registered));
  if (!IsDataFolderPath(plain) || CheckFolderPath(plain) != FolderResult::Ok) return std::nullopt;
  if (!IsOwnDataFolderName(plain, subjectCode)) return std::nullopt;
  const auto full = files.FullPath(plain);
  if (!full || !SameNameToWindows(*full, plain)) return std::nullopt;
  if (!KindFolderPathsFit(plain)) return std::nullopt;
  return plain;
}

bool KindFolderPathsFit(std::string_view folder) {
  for (const auto& info : kContentKinds)
    if (!FitsShellPath(KindFolderPath(folder, info.kind))) return false;
  return true;
}

bool IsOwnDataFolderName(std::string_view folder, std::string_view subjectCode) {
  if (subjectCode.empty()) return false;
  const auto slash = folder.find_last_of('\\');
  const std::string_view last = slash == std::string_view::npos ? folder : folder.substr(slash + 1);
  return SameNameToWindows(last, "TestDoc_" + std::string(subjectCode));
}
