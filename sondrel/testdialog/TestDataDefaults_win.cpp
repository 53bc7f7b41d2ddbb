// The main dialog's group "Defaults": the DLL's defaults in the profile
// loaded into the settings, the settings saved as the new defaults (which
// the DLL is told to read again), and the factory values.
#include "TestData_win.h"

#include "DllBinding.h"
#include "ProfileDefaults.h"
#include "ScopedFlag.h"
#include "catalog/Translate.h"

bool CTestData::LoadProfileDefaults() {
    return LoadDefaults(settings);
}

void CTestData::SaveProfileDefaults() {
    SaveDefaults(settings);
}

void CTestData::ApplyFactoryValues() {
    ApplyFactoryDefaults(settings);
}

// After the settings changed as a whole: the layout and enabling follow
// them, the preview shows them, and the controls get them.
void CTestData::ShowSettings() {
    ApplyWidthLayout();
    ApplyEnabling();
    Refresh();
    UpdateData(false);
}

void CTestData::OnLoadDefaults() {
    ScopedFlag updating(updating_);
    ApplyFactoryValues();
    LoadProfileDefaults();
    ShowSettings();
}

// A value the controls refuse does not stop the save: the rest is saved
// with the last good value of that field.
void CTestData::OnSaveDefaults() {
    ScopedFlag updating(updating_);
    UpdateData(true, true);
    SaveProfileDefaults();
    // The DLL, here and in every other process, reads them for its next print.
    if (Libraries().readDefaults) Libraries().readDefaults(0);
    MessageBoxA(Handle(), GetText(210, 17, false), GetText(210, 18, false), MB_OK);
}

void CTestData::OnFactoryDefaults() {
    ScopedFlag updating(updating_);
    ApplyFactoryValues();
    ShowSettings();
}
