// The model catalogue: every model the program serves, with its display
// name, its internal name (used in file names, image identity tags and the
// server lists) and the DEVICE SETTING pages it has.
#pragma once
#include "framework/WinTypes.h"
#include "framework/String.h"

// Kinds of DEVICE SETTING page.
typedef int SettingPageKind;
const SettingPageKind SETTING_PAGE_BASIC = 1;       // wizard page 5
const SettingPageKind SETTING_PAGE_SPEED_DIAL = 2;  // wizard page 7
const SettingPageKind SETTING_PAGE_FM_RADIO = 3;    // wizard page 6
const int SETTING_PAGE_KINDS_MAX = 3;

// out := the display name (internalName FALSE) or the internal name (TRUE);
// empty for a model id the catalogue does not know.
void GetModelName(CString& out, int modelId, BOOL internalName);
void GetModelName(CString* out, int modelId, BOOL internalName);

// Fills the setting pages that the model and firmware have, kind 1 first,
// and selects the first (*index := 0). Unused entries of kinds are 0. A
// model the catalogue does not know, or one without settings, gets none.
void GetSettingPages(int modelId, int major, int minor, int* count, int kinds[SETTING_PAGE_KINDS_MAX], int* index);
// Sets the count, the three kinds and the index to 0.
void ResetSettingPages(int* count, int kinds[SETTING_PAGE_KINDS_MAX], int* index);
