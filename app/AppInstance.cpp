// The program's one application object (linked into the program only).
#include "app/UpdaterApp.h"

CUpdaterApp theApp;
