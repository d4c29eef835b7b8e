// The texts the tests walk through: every table, word, message and help
// getter with what its callers expect of it.
#pragma once
#include <vector>
#include "TextChecks.h"

namespace texttest {

// A translated table, [language][item] row after row.
struct Table {
    const char* name;
    const CString* first;
    int items;
    std::vector<const wchar_t*> english;
    const CString& At(int language, int item) const { return first[language * items + item]; }
};

// A getter and its English text.
struct Named {
    const char* name;
    Getter get;
    const wchar_t* english;
};

using Label = CString (*)[1];  // a one-item label table, [language][0]

// A help getter: the label that titles it (null: "[%s]" that the caller
// fills) and the fillers of its placeholders in order (null: the model's
// display name).
struct Help {
    const char* name;
    Getter get;
    Label title;
    std::vector<Label> fillers;
};

const std::vector<Table>& AllTables();
const std::vector<Named>& AllWords();
const std::vector<Named>& AllMessages();
const std::vector<Help>& AllHelps();

}  // namespace texttest
