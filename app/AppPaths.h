// Where the program keeps its files: the image folder "IMG" beside the
// executable, which holds the configuration file, downloaded images and
// installers. The program expects the folder to exist and never creates it.
#pragma once
#include "framework/String.h"

namespace apppaths {

// The executable's folder with its trailing "\", or "" when it cannot be read.
CString ProgramFolder();
// "<program folder>IMG\" (or the folder a test set), with the trailing "\".
CString ImageFolder();
// The configuration file in the image folder.
CString ConfigFilePath();
// The start folder of file dialogs: the current folder when set, else the
// image folder, else "\".
CString FileDialogFolder(const CString& currentPath);

// Tests point the image folder elsewhere; an empty path restores the default.
void SetImageFolderForTest(const CString& folder);

}  // namespace apppaths
