// Resource ids of the program: dialogs, bitmaps, menus and controls.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX                    100
#define IDD_UPDATER_DIALOG              102
#define IDD_DEVICE_SELECTION            182
#define IDD_DEVICE_RECOGNITION          183
#define IDD_FIRMWARE_UPDATE             185
#define IDD_FIRMWARE_RESTORE            186
#define IDD_DEVICE_SETTING              187
#define IDD_DEVICE_SETTING_SECOND       189
#define IDD_MESSAGE_BOX                 190
#define IDD_LANGUAGE_MANAGER            191
#define IDD_NEW_UPDATE_FOUND            192
#define IDD_DEVICE_SETTING_SPEEDDIAL    193

// Icon
#define IDR_MAINFRAME                   128

// Bitmaps (drawn by tools/make_app_bitmaps.py)
#define IDB_WARNING                     184
#define IDB_LOGO                        186
#define IDB_HELP_QUESTION               188
#define IDB_WELCOME_PICTURE             277
#define IDB_CHECKBOX_GLYPHS             303
#define IDB_BANNER                      310
#define IDB_DEVICE_HEADSET              311
#define IDB_DEVICE_HEADSET_BOOM         312
#define IDB_DEVICE_HEADSET_SLIM         313
#define IDB_DEVICE_CAMERA               314
#define IDB_DEVICE_MODULE               315
#define IDB_DEVICE_NONE                 316

// Menu
#define IDR_POPUP_MENU                  330
#define ID_MENU_LANGUAGE                32771
#define ID_MENU_HELP                    32772
#define ID_MENU_DIAGNOSTIC_LOG          32773
#define ID_MENU_ABOUT                   32774
#define ID_MENU_EXIT                    32775

// Main dialog controls
#define IDC_BANNER                      1001
#define IDC_DEVICE_PICTURE              1002
#define IDC_DEVICE_NAME                 1003
#define IDC_STEP_WELCOME                1004
#define IDC_STEP_RECOGNITION            1005
#define IDC_STEP_UPDATE                 1006
#define IDC_STEP_RESTORE                1007
#define IDC_STEP_SETTING                1008
#define IDC_GROUP_BASIC                 1009
#define IDC_GROUP_LIST                  1010
#define IDC_PAGE_FRAME                  1011
#define IDC_STATUS_TEXT                 1012
#define IDC_STATUS_TEXT2                1013
#define IDC_PROGRESS                    1014
#define IDC_PROGRESS_TEXT               1015
#define IDC_PAGE_TITLE                  1016
#define IDC_BACK                        1017
#define IDC_NEXT                        1018
#define IDC_ACTION                      1019
#define IDC_PAGE_LIST                   1171

// Message box
#define IDC_MSG_ICON                    1301
#define IDC_MSG_TEXT                    1302
#define IDC_MSG_LINK                    1303

// Language dialog
#define IDC_LANG_LIST                   1311
#define IDC_LANG_APPLY_FIRMWARE         1312
#define IDC_LANG_CAPTION                1313

// About box
#define IDC_ABOUT_LOGO                  1321
#define IDC_ABOUT_NAME                  1322
#define IDC_ABOUT_VERSION               1323
#define IDC_ABOUT_COPYRIGHT             1324

// New-firmware prompt
#define IDC_NEW_ICON                    1331
#define IDC_NEW_TEXT                    1332
#define IDC_NEW_VERSIONS                1333
#define IDC_NEW_VOICE_CAPTION           1334
#define IDC_NEW_VOICE_COMBO             1335
#define IDC_NEW_RELEASE_NOTES           1336

// Page controls the shell itself touches
#define IDC_SELECTION_PICTURE           1032
#define IDC_RECOGNITION_INSTRUCTIONS    1024
#define IDC_UPDATE_VOICE_COMBO          1032
#define IDC_UPDATE_FILE_CAPTION         1027
#define IDC_UPDATE_FILE_EDIT            1028
#define IDC_UPDATE_BROWSE               1029
#define IDC_UPDATE_LATEST_VERSION       1030
#define IDC_UPDATE_DOWNLOAD             1031
#define IDC_UPDATE_VOICE_CAPTION        1035
#define IDC_UPDATE_INSTRUCTIONS         1207
#define IDC_RESTORE_VOICE_COMBO         1034
// Backup information block of the restore page (row n: label 1015 + 2n, value 1016 + 2n)
#define IDC_BACKUP_TITLE                1012
#define IDC_BACKUP_VERSION_LABEL        1013
#define IDC_BACKUP_VERSION              1014
#define IDC_BACKUP_DATE_LABEL           1015
#define IDC_BACKUP_DATE                 1016
#define IDC_BACKUP_ROW1_LABEL           1017
#define IDC_BACKUP_ROW1                 1018
#define IDC_BACKUP_ROW2_LABEL           1019
#define IDC_BACKUP_ROW2                 1020
#define IDC_BACKUP_ROW3_LABEL           1021
#define IDC_BACKUP_ROW3                 1022
#define IDC_BACKUP_ROW4_LABEL           1023
#define IDC_BACKUP_ROW4                 1024
#define IDC_BACKUP_ROW5_LABEL           1025
#define IDC_BACKUP_ROW5                 1026
#define IDC_BACKUP_ROW6_LABEL           1027
#define IDC_BACKUP_ROW6                 1028
#define IDC_BACKUP_VOICE_LABEL          1167
#define IDC_SETTING_LIST                1201
#define IDC_RESTORE_LIST                1202
