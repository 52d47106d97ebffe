#include "copy/kind_sizes.h"

#include <limits>

#include "command/free_space.h"
#include "copy/content_selection.h"
#include "platform/windows_path.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string KindSizeSectionName(std::string_view year, std::string_view code, std::string_view edition) {
  std::string section = "Tav";
  section += year;
  section += code;
  if (code == "E" && year == "2007") {
    section += '_';
    section += edition;
  }
  return section;
}

std::int64_t ParseInt64Prefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate the magnitude unsigned: the negative limit's magnitude does not
  // fit the positive range.
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : std::uint64_t{std::numeric_limits<std::int64_t>::max()};
  std::uint64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (!negative) return static_cast<std::int64_t>(magnitude);
  if (magnitude == limit) return std::numeric_limits<std::int64_t>::min();
  return -static_cast<std::int64_t>(magnitude);
}

KindSize KindSizeFromTable(std::string_view value) {
  KindSize size;
  if (value.empty()) return size;
  size.bytes = ParseInt64Prefix(value);
  if (size.bytes <= 0) return size;
  size.offered = true;
  size.label = KindSizeLabel(size.bytes);
  return size;
}

KindSize KindSizeOnDisc(IFileSystem& files, const std::string& kindFolder) {
  KindSize size;
  // A file of the kind's name is no kind folder, whatever its listing says.
  if (!files.IsFolder(kindFolder)) return size;
  const auto entries = files.ListTree(kindFolder);
  if (!entries) return size;
  std::uint64_t sum = 0;
  for (const auto& entry : *entries) {
    if (entry.isFolder) continue;
    sum += entry.size;
    size.fileSizes.push_back(entry.size);
  }
  const std::optional<std::uint64_t> total = sum;
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  size.bytes = static_cast<std::int64_t>(*total > kMax ? kMax : *total);
  size.offered = true;
  size.label = KindSizeLabel(size.bytes);
  return size;
}

KindSize ReadKindSize(IProfile& profile, IFileSystem& files, const std::string& iniPath,
                      const std::string& section, const std::string& discSubjectFolder, ContentKind kind) {
  if (const auto value = ReadProfileValue(profile, section, KindName(kind), iniPath)) return KindSizeFromTable(*value);
  if (discSubjectFolder.empty()) return {};
  return KindSizeOnDisc(files, KindFolderPath(discSubjectFolder, kind));
}

std::array<KindSize, kKindCount> ReadKindSizes(IProfile& profile, IFileSystem& files, const std::string& iniPath,
                                               const std::string& section, const std::string& discSubjectFolder) {
  std::array<KindSize, kKindCount> sizes;
  for (const auto& info : kContentKinds)
    sizes[KindIndex(info.kind)] = ReadKindSize(profile, files, iniPath, section, discSubjectFolder, info.kind);
  return sizes;
}

void DetermineKindSizes(TavAppState& app, IProfile& profile, IFileSystem& files) {
  const std::string section = KindSizeSectionName(app.m_szYear, app.m_szSubject, app.m_szEdition);
  // Without a drive root (or a file server's share) the folder would be
  // looked up relative to the current folder, which is not the disc.
  const std::string discFolder = IsAbsoluteFolderPath(app.m_szCdRoot) && !app.m_szSubject.empty()
                                     ? DiscSubjectFolder(app.m_szCdRoot, app.m_szSubject)
                                     : "";
  const auto sizes = ReadKindSizes(profile, files, app.m_szIniPath, section, discFolder);
  for (int k = 0; k < kKindCount; ++k) {
    app.m_nKindSize[k] = sizes[k].bytes;
    app.m_bKindOffered[k] = sizes[k].offered;
    app.m_kindFileSizes[k] = sizes[k].fileSizes;
  }
}

std::uint64_t RequiredSpace(const std::array<std::int64_t, kKindCount>& sizes, const KindFlags& ticked) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t total = 0;
  for (int k = 0; k < kKindCount; ++k) {
    if (!ticked[k] || sizes[k] <= 0) continue;
    const auto bytes = static_cast<std::uint64_t>(sizes[k]);
    total = bytes > kMax - total ? kMax : total + bytes;
  }
  return total;
}

std::uint64_t RequiredSpace(const std::array<KindSize, kKindCount>& sizes, const KindFlags& ticked) {
  std::array<std::int64_t, kKindCount> bytes{};
  for (int k = 0; k < kKindCount; ++k) bytes[k] = sizes[k].bytes;
  return RequiredSpace(bytes, ticked);
}

std::uint64_t SpaceOnVolume(const TavAppState& app, const KindFlags& ticked, std::optional<std::uint64_t> clusterBytes) {
  const std::uint64_t plain = RequiredSpace(app.m_nKindSize, ticked);
  if (!clusterBytes || *clusterBytes == 0) return plain;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t total = 0;
  const auto add = [&](std::uint64_t bytes) { total = bytes > kMax - total ? kMax : total + bytes; };
  for (int k = 0; k < kKindCount; ++k) {
    if (!ticked[k]) continue;
    if (app.m_kindFileSizes[k].empty()) {
      if (app.m_nKindSize[k] > 0) add(static_cast<std::uint64_t>(app.m_nKindSize[k]));
      continue;
    }
    add(SpaceForFiles(app.m_kindFileSizes[k], clusterBytes));
  }
  return total < plain ? plain : total;
}
