#pragma once
#include "platform/win32/dialog_base.h"
#include "res/resource.h"

// The About box: "OK", Enter and Escape close it.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
