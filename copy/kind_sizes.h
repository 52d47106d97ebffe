#pragma once
// The sizes of an identified disc's content kinds: from the content size
// table in the INI file beside the tool (one section per disc, one key per
// kind, the size in bytes as a decimal number) where the disc's section has
// the kind's key, otherwise measured from the kind folder on the disc; their
// sum, and the room they take on a volume.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/app_state.h"
#include "catalogue/content_kinds.h"
#include "platform/file_port.h"
#include "platform/profile_port.h"

// "Tav" + year + code; only the English disc of 2007 adds "_" + edition, so
// the standard edition reads "Tav2007E_" and every English 2006 disc "Tav2006E".
std::string KindSizeSectionName(std::string_view year, std::string_view code, std::string_view edition);

struct KindSize {
  std::int64_t bytes = 0;  // as parsed; 0 for an empty value
  bool offered = false;    // the kind can be chosen for this disc
  std::string label;       // "（約%lldMB）", empty when not offered
  // Measured on the disc: each file's size, for the room it takes once
  // every file fills whole clusters. Empty for the table's figure.
  std::vector<std::uint64_t> fileSizes;
};

// A value of the table, read as _atoi64 reads it. An empty value, 0, a
// negative number or text without leading digits leaves the kind out.
KindSize KindSizeFromTable(std::string_view value);
// A kind folder on the disc: offered when it is a folder that can be listed,
// with the total size of the files in its tree (none of them is opened).
KindSize KindSizeOnDisc(IFileSystem& files, const std::string& kindFolder);

// One kind of a disc whose kind folders lie in `discSubjectFolder`: the
// table's value when the section has the kind's key (whatever its value),
// else measured on the disc, as when the section or the INI file is missing.
KindSize ReadKindSize(IProfile& profile, IFileSystem& files, const std::string& iniPath,
                      const std::string& section, const std::string& discSubjectFolder, ContentKind kind);
// All seven kinds, in kind order.
std::array<KindSize, kKindCount> ReadKindSizes(IProfile& profile, IFileSystem& files, const std::string& iniPath,
                                               const std::string& section, const std::string& discSubjectFolder);

// Sets m_nKindSize and m_bKindOffered for the disc identified in `app`
// (m_szYear, m_szSubject, m_szEdition, m_szCdRoot) from m_szIniPath and the
// disc. A disc without a drive root offers only what the table gives.
void DetermineKindSizes(TavAppState& app, IProfile& profile, IFileSystem& files);

// The runtime's _atoi64: optional leading white space and sign, then decimal
// digits up to the first other character; no digits give 0. Out-of-range
// values stop at the 64-bit limits instead of wrapping.
std::int64_t ParseInt64Prefix(std::string_view text);

// Sum of the ticked kinds' sizes. A size of 0 or below adds nothing and the
// sum stops at the largest value instead of wrapping to a small one.
std::uint64_t RequiredSpace(const std::array<std::int64_t, kKindCount>& sizes, const KindFlags& ticked);
std::uint64_t RequiredSpace(const std::array<KindSize, kKindCount>& sizes, const KindFlags& ticked);

// What the ticked kinds take on a volume of `clusterBytes` clusters: a
// measured kind's files each rounded up to whole clusters, a kind of the
// table by its figure. Never less than RequiredSpace; without a cluster
// size, RequiredSpace itself.
std::uint64_t SpaceOnVolume(const TavAppState& app, const KindFlags& ticked, std::optional<std::uint64_t> clusterBytes);
