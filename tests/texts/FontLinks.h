// Wine finds CJK glyphs for a dialog font only through font links in the
// registry (Windows ships them). These helpers read and add those links.
#pragma once
#include <windows.h>
#include "framework/String.h"

namespace texttest {

// The face GDI really uses for a font (e.g. "MS Shell Dlg" may become
// "Liberation Sans" under Wine).
CString SelectedFace(HFONT font);

// The full name of the face GDI really uses ("Liberation Sans Bold" for a
// bold font). Wine looks the system links up by this name, so each style of
// a face needs links of its own.
CString LinkedFace(HFONT font);

// True when the system links of `face` already list every fallback font.
bool HasFallbackLinks(const CString& face);

// True when a font family of that exact name is installed.
bool FaceInstalled(const wchar_t* face);

// Makes sure the system links of `face` fall back to the CJK and symbol
// fonts. Returns true when it wrote the registry: a process started after
// that sees the links, the current one does not. `error` names what is
// missing when the fallback fonts are not installed.
bool LinkFallbackFonts(const CString& face, CString& error);

}  // namespace texttest
