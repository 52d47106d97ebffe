#pragma once
// Which program opens the help document. A program started by an elevated
// process is elevated too: a browser would then visit every page with
// administrator rights. So an elevated tool asks the desktop's own shell,
// which runs with the user's normal rights, and opens the document itself
// only where there is no such shell or it refuses.
#include <functional>

enum class HelpOpenedBy { DesktopShell, ThisProcess, Nobody };

// `throughDesktopShell` and `inThisProcess` each try one way and say whether
// it was taken; the desktop's shell is asked only when `elevated`.
HelpOpenedBy OpenHelpDocument(bool elevated, const std::function<bool()>& throughDesktopShell,
                              const std::function<bool()>& inThisProcess);
