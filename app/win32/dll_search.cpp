#include "app/win32/dll_search.h"

#include <windows.h>

bool RestrictDllSearchToSystem() { return SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE; }
