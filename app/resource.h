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

// DEVICE SETTING page (dialog 187): buttons, classic rows, grid 1201
#define IDC_DS_MORE_SETTINGS            1100
#define IDC_DS_DEFAULT                  1035
#define IDC_DS_CANCEL                   1036
#define IDC_DS_VOX_PHONE_LABEL          1037
#define IDC_DS_VOX_PHONE_ENABLE         1038
#define IDC_DS_VOX_PHONE_DISABLE        1039
#define IDC_DS_VOX_INTERCOM_LABEL       1040
#define IDC_DS_VOX_INTERCOM_ENABLE      1041
#define IDC_DS_VOX_INTERCOM_DISABLE     1042
#define IDC_DS_EDR_LABEL                1043
#define IDC_DS_EDR_HELP                 1044
#define IDC_DS_EDR_ENABLE               1045
#define IDC_DS_EDR_DISABLE              1046
#define IDC_DS_EDR_NOTE                 1047
#define IDC_DS_PLC_LABEL                1048
#define IDC_DS_PLC_HELP                 1049
#define IDC_DS_PLC_ENABLE               1050
#define IDC_DS_PLC_DISABLE              1051
#define IDC_DS_A2DP_LABEL               1052
#define IDC_DS_A2DP_HELP                1053
#define IDC_DS_A2DP_ENABLE              1054
#define IDC_DS_A2DP_DISABLE             1055
#define IDC_DS_MIC_LABEL                1056
#define IDC_DS_MIC_HELP                 1057
#define IDC_DS_MIC_ENABLE               1058
#define IDC_DS_MIC_DISABLE              1059
#define IDC_DS_GAIN_LABEL               1060
#define IDC_DS_GAIN_HELP                1061
#define IDC_DS_GAIN_LOW                 1062
#define IDC_DS_GAIN_MEDIUM              1063
#define IDC_DS_GAIN_HIGH                1064
#define IDC_DS_TIMEOUT_LABEL            1065
#define IDC_DS_TIMEOUT_HELP             1066
#define IDC_DS_TIMEOUT_EDIT             1067
#define IDC_DS_TIMEOUT_SPIN             1068
#define IDC_DS_RESTART_NOTE             1069
#define IDC_DS_TIMEOUT_UNIT             1070
#define IDC_DS_BOOST_LABEL              1071
#define IDC_DS_BOOST_HELP               1072
#define IDC_DS_BOOST_ENABLE             1073
#define IDC_DS_BOOST_DISABLE            1074
#define IDC_DS_NOTE_BUTTON              1075
#define IDC_DS_SIDETONE_LABEL           1076
#define IDC_DS_SIDETONE_HELP            1077
#define IDC_DS_SIDETONE_ENABLE          1078
#define IDC_DS_SIDETONE_DISABLE         1079
#define IDC_DS_MOTION_LABEL             1080
#define IDC_DS_MOTION_HELP              1081
#define IDC_DS_QUIET_LABEL              1082
#define IDC_DS_WEAVE_LABEL              1083
#define IDC_DS_WEAVE_HELP               1084
#define IDC_DS_WEAVE_ENABLE             1085
#define IDC_DS_WEAVE_DISABLE            1086
#define IDC_DS_OVERLAY_LABEL            1087
#define IDC_DS_OVERLAY_HELP             1088
#define IDC_DS_NAVI_LABEL               1089
#define IDC_DS_NAVI_HELP                1090
#define IDC_DS_NAVI_ENABLE              1091
#define IDC_DS_NAVI_DISABLE             1092
#define IDC_DS_QUIET_HELP               1093
#define IDC_DS_QUIET_ENABLE             1094
#define IDC_DS_QUIET_DISABLE            1095
#define IDC_DS_AGC_LABEL                1096
#define IDC_DS_AGC_HELP                 1097
#define IDC_DS_AGC_ENABLE               1098
#define IDC_DS_AGC_DISABLE              1099
#define IDC_DS_MOTION_COMBO             1182
#define IDC_DS_OVERLAY_COMBO            1183

// FM radio page (dialog 189); preset n (0-9) in the tables of the page
#define IDC_FM_HELP_RDS                 1084
#define IDC_FM_DEFAULT                  1082
#define IDC_FM_CANCEL                   1083
#define IDC_FM_RDS_LABEL                1085
#define IDC_FM_RDS_DISABLE              1087
#define IDC_FM_RDS_ENABLE               1088
#define IDC_FM_PRESETS_LABEL            1112
#define IDC_FM_PRESET_EDIT_FIRST        1129
#define IDC_FM_REGION_LABEL             1139
#define IDC_FM_REGION_COMBO             1142

// Speed-dial page (dialog 193)
#define IDC_SD_DEFAULT                  1172
#define IDC_SD_CANCEL                   1173
#define IDC_SD_LABEL1                   1174
#define IDC_SD_NUMBER1                  1175
#define IDC_SD_LABEL2                   1176
#define IDC_SD_NUMBER2                  1177
#define IDC_SD_LABEL3                   1178
#define IDC_SD_NUMBER3                  1179
