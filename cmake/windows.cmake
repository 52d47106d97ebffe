# Windows tree: the Win32 layer, TavCopyTool.exe and the Wine test programs.
