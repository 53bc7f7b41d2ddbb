// Dialog data exchange: one call per control in a dialog's DoDataExchange
// moves a value into the control (load) or out of it (save). A refused value
// on save tells the user why, gives the control the focus and marks the
// exchange failed; the later calls of the same exchange still run, so that
// the remaining values are taken.
//
//   void CStartDialog::DoDataExchange(CDataExchange& dx) {
//       ExchangeRadio(dx, IDC_START_IMPORT, startMode_);
//       ExchangeInt(dx, IDC_HEIGHT, height_, 0, 999);
//       ExchangeDouble(dx, IDC_WIDTH, width_, 0, 999.9);
//   }
#pragma once

#include "win32api.h"

#include <string>

class CDataExchange {
  public:
    CDataExchange(HWND dialog, bool save, bool quiet = false)
        : dialog_(dialog), save_(save), quiet_(quiet) {}

    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }
    HWND Control(int id) const;
    // Reports a refused value once per exchange and marks it failed.
    void Refuse(int id, const std::string& message);

  private:
    HWND dialog_;
    bool save_;
    bool quiet_;
    bool failed_ = false;
};

// A text; maxLength limits what the user can type (0: no limit) and refuses
// longer texts set by other means.
void ExchangeText(CDataExchange& dx, int id, std::string& value, size_t maxLength = 0);
// A signed integer within [minimum, maximum].
void ExchangeInt(CDataExchange& dx, int id, int& value, int minimum, int maximum);
// A real number within [minimum, maximum], shown and read with "." as the
// decimal point in every locale and without needless digits (2.0 as "2").
void ExchangeDouble(CDataExchange& dx, int id, double& value, double minimum, double maximum);
// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void ExchangeCheck(CDataExchange& dx, int id, int& value);
// A radio group that starts with the button firstId and runs through the
// following radio buttons up to the next group: the index of the checked
// one, -1 for none.
void ExchangeRadio(CDataExchange& dx, int firstId, int& index);
// A combo box's selected index, -1 for none.
void ExchangeComboIndex(CDataExchange& dx, int id, int& index);
// A combo box's text: on load the item of exactly that text is selected, or
// an editable combo shows the text; on save the selected or typed text.
void ExchangeComboText(CDataExchange& dx, int id, std::string& text, size_t maxLength = 0);

// The text of a window, whatever its length.
std::string WindowText(HWND window);
// Sets a window's text unless it already is that text.
void SetChangedWindowText(HWND window, const std::string& text);
