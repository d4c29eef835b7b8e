// Every translated text of the program: include this for all of them.
#pragma once
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"
#include "texts/Language.h"
#include "texts/LanguageNames.h"
#include "texts/MessageTexts.h"
#include "texts/UpdatePageTexts.h"
#include "texts/WizardTexts.h"
