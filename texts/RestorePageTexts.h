// Texts of the FIRMWARE RESTORE page's own information block.
#pragma once
#include "texts/TextGetter.h"

TEXTS_DECLARE_GETTER(GetTextBackupInformationTitle)  // "Backup Firmware Information"
