#pragma once
// DLLs from the system folder only. The tool runs elevated, often straight
// from a download or shared folder: by default LoadLibrary looks beside the
// exe (and in the current folder and PATH) first, so a DLL of a system name
// planted there would run with administrator rights.

// Restricts the search of every later LoadLibrary in the process, ours and
// the system DLLs' own, to System32. Call it first thing at start.
bool RestrictDllSearchToSystem();
