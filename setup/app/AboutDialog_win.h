// The about box: the installer's version and the copyright line, both
// placeholders of the template.
#pragma once

#include "catalog/TranslateDialog_win.h"

class CAboutDlg : public CTranslateDialog {
  public:
    CAboutDlg();
};
