#pragma once
// The window that owns what a port shows (a message box, the shell's progress
// window). Asked at each use, never kept: the main window exists only while
// the main dialog runs, and the start-up checks show their boxes before it.
#include <windows.h>

#include <functional>

using WindowOwner = std::function<HWND()>;

// For what no window owns: unattended runs, tests without a main window.
inline WindowOwner NoWindowOwner() {
  return [] { return HWND{nullptr}; };
}
