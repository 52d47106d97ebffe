#include "ui/help_opening.h"

HelpOpenedBy OpenHelpDocument(bool elevated, const std::function<bool()>& throughDesktopShell,
                              const std::function<bool()>& inThisProcess) {
  if (elevated && throughDesktopShell()) return HelpOpenedBy::DesktopShell;
  return inThisProcess() ? HelpOpenedBy::ThisProcess : HelpOpenedBy::Nobody;
}
