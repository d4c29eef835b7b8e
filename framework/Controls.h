// Control wrappers: each is a window handle with inline messages.
#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>
