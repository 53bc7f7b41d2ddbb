// Resource ids of Setup.exe: dialog templates, controls, the menu and its
// commands, bitmaps. Plain #defines, so that both the resource compiler and
// the C++ code (and the GUI test driver) read them. A control id is unique
// within its dialog only.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// --- Dialog templates ---------------------------------------------------
#define IDD_ABOUTBOX 100
#define IDD_INSTALL 104
#define IDD_INIT2 112
#define IDD_INIT3 113
#define IDD_DELETE 126

// --- The main frame's menu and icon -------------------------------------
#define IDR_MAINFRAME 128
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_INSTALL_PRODUCTS 32771
// "Entfernen" has no command bound to it: it shows disabled.
#define ID_REMOVE_UNBOUND 32772

// --- Bitmaps --------------------------------------------------------------
#define IDB_SPLASH_BARCODE 109
#define IDB_PICTURE 120
#define IDB_SPLASH_SERVER 125

// --- The chooser (126) ----------------------------------------------------
#define IDC_REMOVE 1000
#define IDC_REPAIR 1001
#define IDC_INSTALL 1002

// --- The intro (112) and welcome (113) pages ------------------------------
#define IDC_DESCRIPTION 1010
#define IDC_PICTURE 1011
#define IDC_WELCOME_TEXT 1020
#define IDC_WARNING_TEXT 1021

// --- The installation dialog (104) ----------------------------------------
#define IDC_DLL_DIRECTORY 1030
#define IDC_BROWSE_DLL 1031
#define IDC_UTILITIES_DIRECTORY 1032
#define IDC_BROWSE_UTILITIES 1033
