// Finding and opening a HID headset's command interfaces into the main
// dialog's two handles (m_hHidDevice, m_hHidDevice2).
//
// Recognition opens them when it takes the HID branch and leaves them open
// for the pages that follow; the page switches close them. Every later user
// (update dispatch, readiness check, settings writes) calls
// EnsureHidHandles first and gives up when it returns FALSE: a failed open is
// a failure, never a request on handle 0.
#pragma once
#include <windows.h>
#include "core/DeviceVersion.h"

class CUpdaterDlg;

// Product ids of the two-interface module (its two interfaces and its
// firmware-management id); any of them means the model 0x5345.
const int HID_MODULE_MODEL = 0x5345;
bool IsHidModuleProductId(int productId);

// The first present HID interface of the maker: TRUE and its product id,
// or FALSE when there is none.
BOOL FindMakerHidInterface(int* productId);

// The two-interface module: walks the present HID interfaces in index
// order, opens those of the maker with a module product id, the first into
// m_hHidDevice and the second into m_hHidDevice2, and reads each one's chip
// version into the device record (m_versionChip1 and m_version, or
// m_versionChip2). Handles already open are closed first. TRUE once both
// are open; a third interface is never opened.
BOOL OpenModuleInterfaces(CUpdaterDlg& main);

// Opens the interfaces of the HID headset of `model`: the module through
// OpenModuleInterfaces; any other headset its first vendor interface of
// productId in index order into m_hHidDevice and, for a two-chip model,
// the second into m_hHidDevice2. Handles already open are closed first.
// TRUE when every interface the model needs is open.
BOOL OpenHeadsetInterfaces(CUpdaterDlg& main, int model, int productId);

// TRUE when the interfaces the target model needs are open; otherwise
// opens them again (the headset found on the bus, OpenHeadsetInterfaces)
// and says whether that worked.
BOOL EnsureHidHandles(CUpdaterDlg& main);

// Whether a model talks through two interfaces (two-chip headsets, the module).
bool HidModelNeedsTwoInterfaces(int model);
