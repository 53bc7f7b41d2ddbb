// Resource ids of Sondrel: dialog templates, controls, menus, commands,
// bitmaps and the program icon. Plain #defines, so that both the resource
// compiler and the C++ code read them. A control id is unique within its
// dialog only; the same number names different controls in different
// dialogs (147 is the DLL response in the main dialog and the postal code in
// the MaxiCode dialog), and dialog, menu and bitmap numbers are separate
// name spaces of their own resource types.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

// --- Dialog templates ---------------------------------------------------
#define IDD_ABOUTBOX 100
#define IDD_TESTDATA 101
#define IDD_MAXICODE 106
#define IDD_SAP_CONNECTION 117
#define IDD_DEVICE_SELECT 118
#define IDD_START 121
#define IDD_SYSTEM_BARCODE 122
#define IDD_PCL 132

// --- Menus and the program icon -----------------------------------------
#define IDR_MAINMENU 2
#define IDR_MAINFRAME 128
// Context menus of the configuration tree, one popup each.
#define IDR_MENU_NAMED_CODE 117
#define IDR_MENU_CONFIG 118
#define IDR_MENU_EMPTY_SPACE 119
#define IDR_MENU_DEFINITION 120
#define IDR_MENU_READ_ONLY 121

// --- Commands of the main menu --------------------------------------------
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_SAP_CONNECTION 32776
// The top-level "&Barcode" item has no popup and no handler.
#define ID_BARCODE_MENU 65535

// --- Commands of the tree's context menus -------------------------------
#define ID_TREE_COPY 32772
#define ID_TREE_RENAME 32773
#define ID_TREE_DELETE 32774
#define ID_TREE_NEW_NAMED_CODE 32775
#define ID_TREE_NEW_CONFIG 32777
#define ID_TREE_IMPORT_SAP 32780
#define ID_TREE_NO_ACTION 32781
#define ID_TREE_PROPERTIES 32782

// --- Tree images (16 x 16, one image-list entry each, 109 first) --------
#define IDB_SAP_SYSTEM 109
#define IDB_CONFIG 110
#define IDB_CONFIG_READ_ONLY 111
#define IDB_DEFINITIONS_ROOT 112
#define IDB_NAMED_CODE 113
#define IDB_NAMED_CODE_READ_ONLY 114
#define IDB_NAMED_CODE_MODIFIED 115
#define IDB_CONFIG_MODIFIED 116
#define IDB_DEFINITION 117
#define IDB_DEFINITION_MODIFIED 118
#define IDB_FIRST_TREE_IMAGE IDB_SAP_SYSTEM
#define IDB_LAST_TREE_IMAGE IDB_DEFINITION_MODIFIED

// --- Dialog 101 "Configure Barcodes" ------------------------------------
// Exit is IDCANCEL (2).
#define IDC_TESTDATA 102
#define IDC_BARCODE_TYPE 103
#define IDC_RATIO 104
#define IDC_WIDTH 105
#define IDC_HEIGHT 106
#define IDC_PRINT 112
#define IDC_DISPLAY 114
#define IDC_ANNOTATE 115
#define IDC_CHECK_DIGIT 116
#define IDC_PARAMETERS 132
#define IDC_LOAD_DEFAULTS 133
#define IDC_PARAMETERS_HEX 134
#define IDC_PREVIEW 135
#define IDC_SAVE_DEFAULTS 136
#define IDC_FACTORY_DEFAULTS 137
#define IDC_STORAGE_LOCATION 138
#define IDC_ABSOLUTE_WIDTH 143
#define IDC_WIDTH_LABEL 144
#define IDC_WIDTH_UNIT 145
#define IDC_LINEWIDTH_GROUP 146
#define IDC_RESPONSE 147
#define IDC_ROTATION 148
#define IDC_SECURITY_LEVEL 149
#define IDC_SMALL_BAR 150
#define IDC_EXTRA_GAP 152
#define IDC_EXTRA_BAR 153
#define IDC_FORCED_ROWS 155
#define IDC_FORCED_COLUMNS 156
#define IDC_DM_ENCODING 157
#define IDC_DM_FORMAT 158
#define IDC_DM_CONTROL_CHAR 160
#define IDC_DM_MARGIN 161
#define IDC_FNC1 167
#define IDC_TABS 168
#define IDC_TREE 169
#define IDC_Y_ENABLED 170
#define IDC_X_ENABLED 171
#define IDC_X_VALUE 172
#define IDC_Y_VALUE 173
#define IDC_X_UNIT 174
#define IDC_Y_UNIT 175
#define IDC_X_ABSOLUTE 176
#define IDC_Y_ABSOLUTE 177
#define IDC_TITLE 187
#define IDC_EXPORT_SAP 192
#define IDC_EXPORT_WARNING 206
#define IDC_COMMON_DPI 212
#define IDC_KILL_BLANKS 213
#define IDC_PCL 214
#define IDC_SAVE_TO_FILE 222

// --- Dialog 106 "Maxicode Data" -----------------------------------------
#define IDC_MC_POSTAL_CODE 147
#define IDC_MC_COUNTRY_CODE 162
#define IDC_MC_ADDRESS 163
#define IDC_MC_CITY 164
#define IDC_MC_STATE 165
#define IDC_MC_ADDRESS_VALIDATION 166
#define IDC_MC_CLASS_OF_SERVICE 167
#define IDC_MC_TRACKING_NUMBER 168
#define IDC_MC_SHIPPER_NUMBER 169
#define IDC_MC_SHIPMENT_ID 170
#define IDC_MC_PACKAGE_NUMBER 171
#define IDC_MC_TOTAL_PACKAGES 172
#define IDC_MC_JULIAN_DAY 173
#define IDC_MC_WEIGHT 174

// --- Dialog 121 "Start Options": one radio group, 188 first -------------
#define IDC_START_IMPORT 188
#define IDC_START_PREDEFINED 189
#define IDC_START_COMPAT 190

// --- Dialog 117 "SAP Connection Data" -----------------------------------
#define IDC_SAP_SYSTEM_NAME 179
#define IDC_SAP_SYSTEM_NUMBER 180
#define IDC_SAP_USER 181
#define IDC_SAP_PASSWORD 182
#define IDC_SAP_CLIENT 183
#define IDC_SAP_HOST_NAME 184
#define IDC_SAP_ROUTER 185
#define IDC_SAP_LOAD_BALANCING 207
#define IDC_SAP_MESSAGE_SERVER 208
#define IDC_SAP_GROUP 209

// --- Dialog 118 "Select a Device Type" ----------------------------------
#define IDC_DEVICE_LIST 185

// --- Dialog 122 "System Barcode Properties" -----------------------------
#define IDC_SB_HEIGHT_UNIT 194
#define IDC_SB_CHECK_DIGIT 195
#define IDC_SB_TYPE 196
#define IDC_SB_NAME 197
#define IDC_SB_DESCRIPTION 198
#define IDC_SB_MIN_CHARACTERS 199
#define IDC_SB_MAX_CHARACTERS 200
#define IDC_SB_WIDTH 201
#define IDC_SB_WIDTH_UNIT 202
#define IDC_SB_HEIGHT 203
#define IDC_SB_VERTICAL_ALIGN 204
#define IDC_SB_ROTATION 205

// --- Dialog 132 "PCL Escape sequences" ----------------------------------
#define IDC_PCL_ANNOTATION_POSITION 103
#define IDC_PCL_FONT_NUMBER 147
#define IDC_PCL_NOTE 162
#define IDC_PCL_ANNOTATION 163
#define IDC_PCL_TEXT_FORMAT 164
#define IDC_PCL_HEIGHT 165
#define IDC_PCL_BAR_WIDTHS 167
#define IDC_PCL_SPACE_WIDTHS 168
#define IDC_PCL_BARCODE_ON 169
#define IDC_PCL_ROTATION 170
#define IDC_PCL_BARCODE_OFF 171
#define IDC_PCL_HEXADECIMAL 215
#define IDC_PCL_INCLUDE_STAR 216
#define IDC_PCL_INCLUDE_CHECKSUM 218
#define IDC_PCL_TEXT_STYLE 219
#define IDC_PCL_TYPE_FACE 220
