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

// The most voice-prompt languages a list offers for one firmware (the server
// lists a dozen or two); further ones are passed over, so that no list fills
// the page's combo box with thousands of entries.
const int FIRMWARE_LIST_MAX_LANGUAGES = 100;

// What the list says about the query's model. It is read on the worker that
// fetched the list and handed to the page, which puts it into its record.
struct FirmwareListResult {
    bool found = false;         // an entry of the model was taken
    int selection = -1;         // the selected language entry of the record, -1 without languages
    bool usbStatusGiven = false;
    int usbStatus = 0;
    int version[4] = {};        // version words in the record's order (0 unless found)
    CString selectedFile;
    std::vector<CString> files;      // one per voice-prompt language, parallel to languages
    std::vector<CString> languages;  // English names, each once (ignoring case), at most FIRMWARE_LIST_MAX_LANGUAGES
};

// Reads the list text (8-bit, up to its first zero byte) for the query's model.
FirmwareListResult ReadFirmwareList(const char* text, const FirmwareListQuery& query);

// Puts what was read into the record, which must have been reset: version,
// selected file and language entries.
void ApplyFirmwareList(const FirmwareListResult& list, CFirmwareInfo* info);

// Selects the entry of the language (English name), when the record has it;
// the index, or -1 when it has not.
int SelectFirmwareLanguage(CFirmwareInfo* info, const CString& englishName);

// A server file name must be a plain name that fits in the image folder
// (IsServerFileName, core/ServerFileName.h). Anything else is refused.
bool IsPlainServerFileName(const CString& name);
