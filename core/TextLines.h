// Reading text line by line, the way the server's lists and the settings
// archive are read: each line is copied once and what follows it never, so
// reading takes time in proportion to the text, whatever its lines.
#pragma once
#include "framework/String.h"

// The lines of a text, cut at line feeds (which the lines leave out). Empty
// lines are passed over; a last line without a line feed is taken whole.
class CLineReader {
public:
    explicit CLineReader(CString text) : m_text(std::move(text)) {}
    // The next non-empty line; false once the text is used up.
    bool Next(CString* line);

private:
    CString m_text;
    size_t m_pos = 0;
};

// "key = value": split at the first '=', both sides trimmed. False when the
// line has no '=' or nothing but blanks before it.
bool SplitKeyValue(const CString& line, CString* key, CString* value);
