// Opens a web page, a mail link or a downloaded file with the shell's
// "open" verb. Tests replace the shell with their own handler.
#pragma once
#include "framework/String.h"
#include <functional>

// TRUE when the shell accepted the request.
BOOL ShellOpen(const CString& target);

namespace apptest {
using ShellOpenHandler = std::function<BOOL(const CString& target)>;
// An empty handler gives the requests back to the shell.
void SetShellOpenHandler(ShellOpenHandler handler);
}  // namespace apptest
