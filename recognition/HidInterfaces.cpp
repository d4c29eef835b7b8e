#include "recognition/HidInterfaces.h"
#include "app/UpdaterDlg.h"
#include "core/HidDevice.h"
#include "core/ModelGroups.h"
#include "core/UsbIds.h"
#include "recognition/HidQueries.h"
#include <utility>

bool IsHidModuleProductId(int productId) {
    return productId == 0x5345 || productId == 0x5346 || productId == 0xD340;
}

bool HidModelNeedsTwoInterfaces(int model) {
    return model == HID_MODULE_MODEL || model_groups::IsHidTwoChipModel(model);
}

BOOL FindMakerHidInterface(int* productId) {
    for (const std::wstring& path : ListHidInterfacePaths()) {
        if (HidPathNumber(path, L"vid_") != VendorIdMaker) continue;
        int pid = HidPathNumber(path, L"pid_");
        if (pid < 0) continue;  // the maker's, but without a product id: passed over
        if (productId) *productId = pid;
        return TRUE;
    }
    return FALSE;
}

namespace {

// Stores a newly opened handle in the first free slot; the slot it returns.
hw::CDeviceHandle* Store(CUpdaterDlg& main, hw::CDeviceHandle h) {
    hw::CDeviceHandle* slot = main.m_hHidDevice.IsValid() ? &main.m_hHidDevice2 : &main.m_hHidDevice;
    *slot = std::move(h);
    return slot;
}

}  // namespace

BOOL OpenModuleInterfaces(CUpdaterDlg& main) {
    main.CloseDeviceHandles();
    for (const std::wstring& path : ListHidInterfacePaths()) {
        if (HidPathNumber(path, L"vid_") != VendorIdMaker) continue;
        int pid = HidPathNumber(path, L"pid_");
        if (!IsHidModuleProductId(pid)) continue;
        hw::CDeviceHandle h = OpenHidInterface(path.c_str());
        if (!h.IsValid()) continue;
        bool first = !main.m_hHidDevice.IsValid();
        hw::CDeviceHandle* slot = Store(main, std::move(h));
        CDeviceRecord& record = main.m_deviceRecord;
        CDeviceVersion chip;
        if (pid == 0xD340) {
            chip.Set(1, 0, 2, 0, 0);
        } else {
            ReadModuleChipVersion(slot, &chip);
            BYTE reply[HID_IN_REPORT_SIZE];
            HidRequest(slot, HID_CMD_MODULE_30, 0, reply);
        }
        if (first) {
            record.m_versionChip1 = chip;
            record.m_version = chip;
        } else {
            record.m_versionChip2 = chip;
        }
        if (main.m_hHidDevice.IsValid() && main.m_hHidDevice2.IsValid()) return TRUE;
    }
    return FALSE;
}

BOOL OpenHeadsetInterfaces(CUpdaterDlg& main, int model, int productId) {
    if (model == HID_MODULE_MODEL || IsHidModuleProductId(productId)) return OpenModuleInterfaces(main);
    main.CloseDeviceHandles();
    bool two = HidModelNeedsTwoInterfaces(model);
    for (const std::wstring& path : ListHidInterfacePaths()) {
        if (HidPathNumber(path, L"vid_") != VendorIdMaker) continue;
        if (HidPathNumber(path, L"pid_") != productId) continue;
        hw::CDeviceHandle h = OpenHidInterface(path.c_str());
        if (!h.IsValid()) continue;
        Store(main, std::move(h));
        if (!two || main.m_hHidDevice2.IsValid()) break;
    }
    return main.m_hHidDevice.IsValid() && (!two || main.m_hHidDevice2.IsValid());
}

BOOL EnsureHidHandles(CUpdaterDlg& main) {
    int model = main.m_nTargetModel;
    bool two = HidModelNeedsTwoInterfaces(model);
    if (main.m_hHidDevice.IsValid() && (!two || main.m_hHidDevice2.IsValid())) return TRUE;
    int productId = 0;
    if (!FindMakerHidInterface(&productId)) {
        main.CloseDeviceHandles();
        return FALSE;
    }
    return OpenHeadsetInterfaces(main, model, productId);
}
