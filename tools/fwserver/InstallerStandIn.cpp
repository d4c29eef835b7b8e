// The program installer that the local firmware server offers: it installs
// nothing and ends at once, so that opening a downloaded installer works.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
