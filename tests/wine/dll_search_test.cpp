// The DLL search of the process, restricted as the exe does first thing.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/dll_search.h"

namespace {

TEST(DllSearch, ADllBesideTheProgramIsNoLongerFoundByName) {
  HMODULE planted = LoadLibraryW(L"tav_planted.dll");
  ASSERT_NE(planted, nullptr) << "the usual search finds the DLL beside the program";
  FreeLibrary(planted);

  ASSERT_TRUE(RestrictDllSearchToSystem());
  EXPECT_EQ(LoadLibraryW(L"tav_planted.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  HMODULE system = LoadLibraryW(L"version.dll");
  EXPECT_NE(system, nullptr) << "the system folder's DLLs still load";
  if (system) FreeLibrary(system);

  // The other tests of this program keep the usual search.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

}  // namespace
