#pragma once
// The main menu's buttons wired to the commands: each click builds a command
// context over the application's state and real ports, a dialog runner and
// the wait cursor, and runs the command in it.
#include "app/win32/tav_copy_tool_app.h"
#include "ui/win32/tav_copy_tool_dlg.h"

class MainMenuCommands : public IMainMenuCommands {
 public:
  explicit MainMenuCommands(CTavCopyToolApp& app) : app_(app) {}
  void Copy(bool& busy) override;
  void Move(bool& busy) override;
  void Delete(bool& busy) override;
  void Usage(HWND owner) override;

 private:
  template <typename Command>
  void Run(Command command, bool& busy);
  CTavCopyToolApp& app_;
};
