// Times the measurement of a disc's content kinds as the copy command makes
// it before the content selection (no size table: every kind folder walked),
// over the real file system port. Run by scripts/bench-disc-size.sh.
// Usage: disc_size_bench --disc=<root holding TestDoc_B> [--runs=N]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "copy/content_selection.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"

int main(int argc, char** argv) {
  std::string disc;
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--disc=", 0) == 0) disc = arg.substr(7);
    if (arg.rfind("--runs=", 0) == 0) runs = std::max(1, std::atoi(arg.c_str() + 7));
  }
  if (disc.empty()) {
    fprintf(stderr, "usage: disc_size_bench --disc=<root holding TestDoc_B> [--runs=N]\n");
    return 2;
  }
  if (disc.back() != '\\') disc += '\\';

  Win32FileSystem files;
  Win32Profile profile;
  TavAppState app;
  app.m_szCdRoot = disc;
  app.m_szYear = "2007";
  app.m_szSubject = "B";
  app.m_szIniPath = disc + "no-such.INI";  // no table: everything is measured

  const auto tree = files.ListTree(disc + "TestDoc_B");
  const long long fileCount =
      tree ? std::count_if(tree->begin(), tree->end(), [](const FileEntry& e) { return !e.isFolder; }) : -1;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    DetermineKindSizes(app, profile, files);
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  long long bytes = 0;
  int offered = 0;
  for (int k = 0; k < kKindCount; ++k)
    if (app.m_bKindOffered[k]) {
      bytes += app.m_nKindSize[k];
      ++offered;
    }
  printf("disc %s: %lld files, %d kinds offered, %lld bytes\n", disc.c_str(), fileCount, offered, bytes);
  for (std::size_t i = 0; i < times.size(); ++i) printf("run %zu: %.0f ms\n", i + 1, times[i]);
  printf("slowest: %.0f ms\n", *std::max_element(times.begin(), times.end()));
  return 0;
}
