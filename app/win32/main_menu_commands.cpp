#include "app/win32/main_menu_commands.h"

#include "app/win32/dialog_runner.h"
#include "command/command_context.h"
#include "copy/copy_command.h"
#include "delete/delete_command.h"
#include "move/move_command.h"
#include "platform/win32/win32_wait_cursor.h"
#include "platform/win32/win_text.h"
#include "ui/usage_help.h"
#include "ui/win32/help_document_launch.h"

// The command's dialogs live for this one click.
template <typename Command>
void MainMenuCommands::Run(Command command, bool& busy) {
  DialogRunner dialogs(app_, {app_.registry, app_.disks, app_.files, app_.prompts});
  Win32WaitCursor waitCursor;
  CommandContext context{app_, app_.registry, app_.disks, app_.files, app_.profile, app_.prompts, dialogs, busy,
                         waitCursor};
  command(context);
}

void MainMenuCommands::Copy(bool& busy) { Run(RunCopyCommand, busy); }
void MainMenuCommands::Move(bool& busy) { Run(RunMoveCommand, busy); }
void MainMenuCommands::Delete(bool& busy) { Run(RunDeleteCommand, busy); }

void MainMenuCommands::Usage(HWND owner) {
  const HelpTarget target = FindHelpTarget(app_.profile, app_.m_szAppDir, app_.m_szIniPath);
  if (!target.warning && LaunchHelpDocument(owner, target.path)) return;
  ::MessageBoxW(owner, W(target.warning ? target.warning : kHelpOpenFailedMessage).c_str(), W(kCaption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}
