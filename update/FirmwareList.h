// The firmware server's list "Firmware": 8-bit text, one entry per line,
// fields separated by ':' and trimmed:
//   model : version : file                 one firmware for every voice prompt
//   model : version : language : file      one line per voice-prompt language
//   model : number                         a number for the model (its USB status)
// The entries of one model are consecutive lines.
#pragma once
#include "framework/String.h"
#include <vector>

class CFirmwareInfo;

// One line cut into fields from the left: the first ':' ends the model, the
// second the version, the third the language; the rest is the last field.
// A ':' at the very start of the remaining text is no separator.
struct FirmwareListLine {
    int separators = 0;
    std::vector<CString> fields;  // separators + 1 fields, trimmed
};
FirmwareListLine SplitFirmwareListLine(const CString& line);

struct FirmwareListQuery {
    CString modelName;          // internal model name to look for (case-sensitive)
    bool fourPartVersion = false;  // a.b.c.d versions (the camera headset)
    CString firmwareLanguage;   // the voice-prompt language chosen earlier (English name)
};

struct FirmwareListResult {
    bool found = false;         // an entry of the model was taken
    int selection = -1;         // the selected language entry of the record, -1 without languages
    bool usbStatusGiven = false;
    int usbStatus = 0;
};

// Fills the record's version, selected file and language entries from the
// list text for the query's model. The record must have been reset.
FirmwareListResult ParseFirmwareList(const char* text, const FirmwareListQuery& query, CFirmwareInfo* info);

// Selects the entry of the language (English name), when the record has it;
// the index, or -1 when it has not.
int SelectFirmwareLanguage(CFirmwareInfo* info, const CString& englishName);

// A server file name must be a plain name: no folder, drive, parent or
// address part, no control character. Anything else is refused.
bool IsPlainServerFileName(const CString& name);
