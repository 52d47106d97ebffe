#pragma once
// Opening a file with the signed-in user's normal rights from an elevated
// process: the desktop's shell (Explorer) runs unelevated, and a program it
// starts inherits its rights, not ours.
#include <string>

// True when this process runs with an elevated (administrator) token. When
// the token cannot be read the answer is true: asking the desktop's shell
// first is never the less safe choice.
bool IsProcessElevated();

// Asks the desktop's shell to open `path` with the program associated with
// its type ("open", normal window). False when there is no desktop shell
// window or any step refuses; the shell then started nothing for us.
bool OpenThroughDesktopShell(const std::string& path);
