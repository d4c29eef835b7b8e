// Declares a text getter in both forms callers use: with a CString
// reference and with a CString pointer (a null pointer is ignored).
#pragma once
#include "framework/String.h"

#define TEXTS_DECLARE_GETTER(name)                  \
    void name(CString& out, int language);          \
    inline void name(CString* out, int language) {  \
        if (out) name(*out, language);              \
    }
