#pragma once
// The seven content kinds, their one processing order, how the content
// selection dialog shows them, where their folders lie on a product disc and
// in a hard-disk data folder, and the folder lists handed to the shell.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_port.h"
#include "res/resource.h"

// Processing order: sizes, check boxes, sums, m_bKind and every shell list
// walk the kinds in this order, never in the dialog's row order.
inline constexpr int kKindCount = 7;

enum class ContentKind { Ichitaro, Word, PDF, TIF, TXT, TXT0, VOICE };

struct ContentKindInfo {
  ContentKind kind;
  const char* name;         // folder name, check-box caption and INI key (case-sensitive)
  int checkBoxId;           // the content selection dialog's controls of the kind
  int sizeLabelId;
  int descriptionId;
};

inline constexpr std::array<ContentKindInfo, kKindCount> kContentKinds = {{
    {ContentKind::Ichitaro, "Ichitaro", IDC_CHECK_ICHITARO, IDC_SIZE_ICHITARO, IDC_DESC_ICHITARO},
    {ContentKind::Word, "Word", IDC_CHECK_WORD, IDC_SIZE_WORD, IDC_DESC_WORD},
    {ContentKind::PDF, "PDF", IDC_CHECK_PDF, IDC_SIZE_PDF, IDC_DESC_PDF},
    {ContentKind::TIF, "TIF", IDC_CHECK_TIF, IDC_SIZE_TIF, IDC_DESC_TIF},
    {ContentKind::TXT, "TXT", IDC_CHECK_TXT, IDC_SIZE_TXT, IDC_DESC_TXT},
    {ContentKind::TXT0, "TXT0", IDC_CHECK_TXT0, IDC_SIZE_TXT0, IDC_DESC_TXT0},
    {ContentKind::VOICE, "VOICE", IDC_CHECK_VOICE, IDC_SIZE_VOICE, IDC_DESC_VOICE},
}};

constexpr int KindIndex(ContentKind kind) { return static_cast<int>(kind); }
constexpr const ContentKindInfo& KindInfo(ContentKind kind) { return kContentKinds[KindIndex(kind)]; }
constexpr const char* KindName(ContentKind kind) { return KindInfo(kind).name; }
// Exact, case-sensitive match of a kind name.
std::optional<ContentKind> FindKindByName(std::string_view name);

// Flags in kind order, as m_bKind holds them.
using KindFlags = std::array<bool, kKindCount>;

// "E:\" + "TestDoc_" + code: the subject folder directly in the disc's root.
std::string DiscSubjectFolder(std::string_view cdRoot, std::string_view subjectCode);
// "D:\KR_LAB\Tav2007\TestDoc_B": the data folder of a year and subject on a drive.
std::string DataFolder(char driveLetter, std::string_view year, std::string_view subjectCode);
// The base folder, a backslash and the kind name.
std::string KindFolderPath(std::string_view baseFolder, ContentKind kind);

// Full paths of the included kinds' folders under `baseFolder`, in kind order.
// An empty base folder gives an empty list, never bare kind names.
std::vector<std::string> KindFolderList(std::string_view baseFolder, const KindFlags& included);

// A kind is present in a data folder when its kind folder exists as a folder;
// a file of the kind's name does not count.
bool IsKindFolderPresent(IFileSystem& files, std::string_view dataFolder, ContentKind kind);
KindFlags PresentKinds(IFileSystem& files, std::string_view dataFolder);
// The move and delete source list: the present kind folders, in kind order.
std::vector<std::string> PresentKindFolderList(IFileSystem& files, std::string_view dataFolder);
