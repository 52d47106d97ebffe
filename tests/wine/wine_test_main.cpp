// Test program run under Wine: the Win32 ports and the dialogs in-process.
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
