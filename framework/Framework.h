// The whole framework in one include.
#pragma once
#include "framework/WinTypes.h"
#include "framework/String.h"
#include "framework/Types.h"
#include "framework/Clock.h"
#include "framework/Handle.h"
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/Thread.h"
#include "framework/Controls.h"
#include "framework/FileDialog.h"
