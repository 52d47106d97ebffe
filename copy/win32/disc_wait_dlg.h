#pragma once
// The disc wait dialog: the first step of a copy. "OK" arms a one-shot timer;
// its tick scans the CD-ROM drives, pumping one message per drive letter so
// that painting and "ｷｬﾝｾﾙ" keep working, until a product disc is identified
// (IDOK; Identified() holds it), a pass saw only a foreign disc (a warning,
// then OK again) or the user cancels (IDCANCEL).
#include "command/dialog_results.h"
#include "platform/disk_port.h"
#include "platform/win32/dialog_base.h"

class CDiscWaitDlg : public CDialog {
 public:
  explicit CDiscWaitDlg(IDisks& disks);

  // The disc of the last successful run.
  const IdentifiedDisc& Identified() const { return identified_; }

  // TRUE from the click on OK until the run ends or is cancelled.
  bool m_bDetecting = false;

  // One detection run: TRUE when a product disc was identified; FALSE when a
  // foreign disc was reported or the user cancelled.
  BOOL DetectDisc();

  static constexpr UINT_PTR kDetectTimer = 1;
  static constexpr UINT kDetectDelayMs = 500;
  // Rest between two passes over the drive letters, during which messages
  // are still dispatched as they arrive.
  static constexpr DWORD kPassPauseMs = 200;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnTimer(UINT_PTR id) override;
  BOOL OnSetCursor(HWND window, UINT hitTest, UINT mouseMessage) override;

 private:
  // Dispatches one waiting message, if any; false once the user cancelled.
  bool PumpOneMessage();
  // Waits kPassPauseMs while dispatching messages; false once the user cancelled.
  bool RestBetweenPasses();

  IDisks& disks_;
  IdentifiedDisc identified_;
};
