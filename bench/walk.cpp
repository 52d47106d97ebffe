// The walks the tool makes over a whole disc, timed on a large one: the disc
// size measurement (DetermineKindSizes as the copy command calls it before
// the content selection, with no size table, so every kind folder is walked)
// and the copy command's arrival check against a copy of the disc, each
// alternately with the floor, a bare FindFirstFileW walk of the same kind
// folders.
// Usage: bench_walk --disc=F:\TestDoc_X --copy=<data folder holding a copy> [--rounds=N]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "catalogue/content_kinds.h"
#include "copy/copy_command.h"
#include "copy/kind_sizes.h"
#include "platform/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"

namespace {

// The total of the kinds the content selection would offer, all ticked.
std::uint64_t MeasureDiscSize(TavAppState& disc, IProfile& profile, IFileSystem& files) {
  DetermineKindSizes(disc, profile, files);
  return RequiredSpace(disc.m_nKindSize, disc.m_bKindOffered);
}

struct BareCount {
  std::uint64_t files = 0;
  std::uint64_t folders = 0;
  std::uint64_t bytes = 0;
};

// The least a walk can do: names and sizes straight from the find data.
void BareWalk(const std::wstring& folder, BareCount& count) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (wcscmp(data.cFileName, L".") && wcscmp(data.cFileName, L"..")) {
        ++count.folders;
        BareWalk(folder + L"\\" + data.cFileName, count);
      }
    } else {
      ++count.files;
      count.bytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

}  // namespace

int main(int argc, char** argv) {
  std::string disc, copy;
  int rounds = 5;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--disc=", 0) == 0) disc = arg.substr(7);
    if (arg.rfind("--copy=", 0) == 0) copy = arg.substr(7);
    if (arg.rfind("--rounds=", 0) == 0) rounds = std::stoi(arg.substr(9));
  }
  if (disc.empty() || copy.empty() || rounds < 1) {
    fprintf(stderr, "usage: bench_walk --disc=DIR --copy=DIR [--rounds=N]\n");
    return 2;
  }
  // The disc as detection leaves it in the state: "F:\TestDoc_T" is drive
  // F:'s disc of subject T. The INI named does not exist: no size table.
  TavAppState identified;
  identified.m_szCdRoot = disc.substr(0, 3);
  identified.m_szSubject = disc.substr(disc.find_last_of('_') + 1);
  identified.m_szYear = "2007";
  identified.m_szIniPath = identified.m_szCdRoot + "no-size-table.INI";
  if (DiscSubjectFolder(identified.m_szCdRoot, identified.m_szSubject) != disc) {
    fprintf(stderr, "--disc must be a drive's TestDoc_<code> folder, e.g. F:\\TestDoc_T\n");
    return 2;
  }
  Win32FileSystem files{NoWindowOwner()};
  Win32Profile profile;
  KindFlags all;
  all.fill(true);
  const std::vector<std::string> sources = KindFolderList(disc, all);
  const std::vector<std::string> targets = KindFolderList(copy, all);

  // Once untimed: the disc's files as the floor counts them, and a warm
  // cache for every sample alike.
  BareCount discCount;
  for (const auto& folder : sources) BareWalk(Utf8ToUtf16(folder), discCount);
  if (discCount.files == 0) {
    fprintf(stderr, "no files under %s\n", disc.c_str());
    return 1;
  }

  bench::Samples sizeMs("disc_size_ms"), sizeFloorMs("disc_size_floor_ms");
  bench::Samples arrivalMs("arrival_ms"), arrivalFloorMs("arrival_floor_ms");
  bool sizeRight = true, arrived = true;
  // The floor of each figure: the bare walk over the folders that it walks.
  const auto bareWalk = [](const std::vector<std::string>& folders, bench::Samples& samples) {
    const bench::Stopwatch watch;
    BareCount count;
    for (const auto& folder : folders) BareWalk(Utf8ToUtf16(folder), count);
    samples.Add(watch.Ms());
  };
  std::vector<std::string> sourcesAndTargets = sources;
  sourcesAndTargets.insert(sourcesAndTargets.end(), targets.begin(), targets.end());
  bench::Alternate(
      rounds,
      [&] {
        const bench::Stopwatch watch;
        const std::uint64_t bytes = MeasureDiscSize(identified, profile, files);
        sizeMs.Add(watch.Ms());
        sizeRight = sizeRight && bytes == discCount.bytes;
      },
      [&] { bareWalk(sources, sizeFloorMs); });
  bench::Alternate(
      rounds,
      [&] {
        const bench::Stopwatch watch;
        arrived = KindFoldersArrived(files, sources, targets) && arrived;
        arrivalMs.Add(watch.Ms());
      },
      [&] { bareWalk(sourcesAndTargets, arrivalFloorMs); });
  if (!sizeRight || !arrived) {
    fprintf(stderr, "%s\n", sizeRight ? "the copy is not whole" : "the measured size differs from the disc's");
    return 1;
  }
  // The folders count: under Wine, opening a folder costs far more than a file's entry.
  printf("bench walk_files %llu\nbench walk_folders %llu\n", static_cast<unsigned long long>(discCount.files),
         static_cast<unsigned long long>(discCount.folders + sources.size()));
  for (const bench::Samples* figure : {&sizeMs, &sizeFloorMs, &arrivalMs, &arrivalFloorMs}) figure->Report();
  return 0;
}
