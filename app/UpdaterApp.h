// The application object: prepares the common controls and the rich-edit
// library, runs the main wizard dialog modally and ends with it.
#pragma once
#include "framework/WinApp.h"

class CUpdaterApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    HMODULE m_hRichEdit = nullptr;
};
