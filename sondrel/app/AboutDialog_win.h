// The about box: the program icon, its name and version, and the lines of
// the template that name the copyright and the web address as placeholders.
#pragma once

#include "catalog/TranslateDialog_win.h"

class CAboutDlg : public CTranslateDialog {
  public:
    CAboutDlg();
};
