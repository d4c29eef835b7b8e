// The firmware server's base address, ending in "/zarnbluetoothmanager/".
// It is a build setting (MORVEX_SERVER_URL); tests may point it elsewhere.
#pragma once
#include "framework/String.h"

CString GetServerBaseUrl();
// Tests only: replaces the base address (an empty text restores the built-in one).
void SetServerBaseUrl(const wchar_t* url);
