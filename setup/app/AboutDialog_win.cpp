#include "AboutDialog_win.h"

#include "resource.h"

CAboutDlg::CAboutDlg() : CTranslateDialog(IDD_ABOUTBOX) {}
