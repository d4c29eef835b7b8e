#include "recognition/DfuRecognition.h"
#include "app/UpdaterDlg.h"
#include "core/ModelCatalog.h"
#include "core/UsbIds.h"
#include "core/UsbScan.h"
#include "recognition/BatchCorrections.h"
#include "recognition/DfuIdentity.h"
#include "recognition/DfuSettingsRead.h"
#include "recognition/DfuWriteBack.h"
#include "recognition/PsKeyAccess.h"
#include "hardware/HardwareApi.h"
#include <vector>

namespace {

std::vector<int> g_accepted = GetDfuFamilyProductIds();

const int kTwoInterfaceModel = 0x5310;
// The unit's product id in firmware-management mode.
const int kTwoInterfaceManagementId = GetModelUsbIds(kTwoInterfaceModel)->updateId;
const int kManagementOffset = 0x8000;
const int kScanCapacity = 2;

// Models whose firmware-management id names the variant itself (a failed
// connection then stores the variant, not the target).
bool KeepsVariantOnFailure(int model) {
    static const int kVariants[] = {0x4D35, 0x4D55, 0x4D45, 0x4D65, 0x5050, 0x4D30,
                                    0x4D40, 0x5060, 0x5061, 0x5070, 0x5080};
    for (int v : kVariants)
        if (v == model) return true;
    return false;
}

class DfuPath {
public:
    DfuPath(CUpdaterDlg& main, CDueRestores* due) : m_main(main), m_due(due) {}

    RecognitionOutcome Run() {
        m_outcome = RECOGNITION_NO_DEVICE;
        m_main.CloseDeviceHandles();
        {
            CPsKeySession session;  // the transport is shut down on every exit
            std::vector<CPsDevice> listed = session.ListDevices();
            m_scanCount = ScanUsbDevicesFor(m_scan, kScanCapacity, g_accepted.data(), (int)g_accepted.size());
            if (m_scanCount == 0) return RECOGNITION_NO_DEVICE;
            m_main.m_nTargetModel = 0;
            for (const CPsDevice& device : listed) {
                if (!Accepted(device)) continue;
                ++m_matches;
                int pid = device.productId;
                if (m_main.m_nTargetModel == 0)
                    m_main.m_nTargetModel = pid >= kManagementOffset ? pid - kManagementOffset : pid;
                if (m_matches > Limit()) {
                    m_outcome = RECOGNITION_DFU_LISTED_MORE;
                    break;
                }
                if (!Process(session, device)) break;
            }
        }
        if (m_outcome == RECOGNITION_OK || m_outcome == RECOGNITION_MANAGEMENT_MODE) CheckConsistency();
        return m_outcome;
    }

private:
    int Limit() const { return m_main.m_nTargetModel == kTwoInterfaceModel ? 2 : 1; }

    bool Accepted(const CPsDevice& d) const {
        if (d.vendorId != VendorIdMaker) return false;
        for (int pid : g_accepted)
            if (pid == d.productId) return true;
        return false;
    }

    int ScannedAt(int index) const { return index >= 0 && index < kScanCapacity ? m_scan[index] : 0; }

    // Steps of one accepted device; false when the run ends here.
    bool Process(CPsKeySession& session, const CPsDevice& device) {
        ClearDfuWorkingSettings(&m_work);
        m_id.version = m_id.third = m_id.fourth = 0;
        if (!session.Connect(device)) return ConnectionFailed();
        ++m_connected;
        int target = m_main.m_nTargetModel;

        ReadDfuProductId(session, &m_id);
        if (m_id.model == DFU_CAMERA_MODEL && !CameraMarkerDrivePresent()) {
            m_outcome = RECOGNITION_NO_CAMERA_DRIVE;
            return false;
        }
        // A failed address read leaves a cleared buffer, and no batch test.
        BYTE address[PSKEY_BDADDR_BYTES] = {};
        BOOL addressRead = session.Read(PSKEY_BDADDR, address, sizeof(address));
        m_work.m_strBdAddress = addressRead ? PsAddressText(address) : CString();
        ReadDfuDeviceName(session, &m_id);
        // Corrections and a saved record go only to a device of the target's
        // family; the model is known once the identity keys are read.
        bool family = m_main.IsSameDeviceFamily(m_id.model) != FALSE;
        if (addressRead && family) WriteBatchCorrections(session, target, PsLapText(address));
        DecideDfuVersion(session, &m_id);
        // A saved record goes only to the headset it was taken from; the
        // second interface of a two-interface unit is known by the first's.
        if (m_matches == 1) m_unitAddress = m_work.m_strBdAddress;
        const CDeviceRecord* restore = m_due && family ? m_due->Take(m_unitAddress) : nullptr;
        if (restore && !WriteBackDfuRecord(session, target, *restore)) m_due->Refused();

        ReadDfuSettings(session, m_id.model, m_id.major, m_id.minor, target, &m_work);
        if (!m_main.IsSameDeviceFamily(m_id.model)) {
            m_outcome = RECOGNITION_OTHER_MODEL;
            return false;
        }
        m_outcome = RECOGNITION_OK;
        int usbStatus = ScannedAt(m_matches - 1);
        if (target == kTwoInterfaceModel && m_matches == 2) {
            const CDeviceRecord& first = m_main.m_deviceRecord;
            m_work.m_strBdAddress = first.m_strBdAddress + L" _ " + m_work.m_strBdAddress;
            bool consistent = first.m_strDeviceName == m_id.name && first.m_version.m_nMajor == m_id.major &&
                              first.m_version.m_nMinor == m_id.minor &&
                              first.m_version.m_nSecondaryVersionType == m_id.third &&
                              first.m_version.m_nSecondaryVersion == m_id.fourth &&
                              m_main.m_nUsbStatus == usbStatus;
            if (!consistent) {
                m_mismatch = true;
                m_main.m_bRecognized = TRUE;
                m_main.m_nTargetModel = m_id.model;
                m_scan[m_matches - 1] += kManagementOffset;
                usbStatus = m_scan[m_matches - 1];
                m_main.m_nUsbStatus = usbStatus;
                m_outcome = RECOGNITION_MANAGEMENT_MODE;
            }
        }
        Store(usbStatus);
        return true;
    }

    bool ConnectionFailed() {
        ++m_failures;
        int p = ScannedAt(m_matches - 1);
        int target = m_main.m_nTargetModel;
        if (m_main.IsSameDeviceFamily(p - kManagementOffset)) {
            m_main.m_bRecognized = TRUE;
            m_id.model = KeepsVariantOnFailure(p - kManagementOffset) ? p - kManagementOffset : target;
            m_main.m_nUsbStatus = p;
            m_outcome = RECOGNITION_MANAGEMENT_MODE;
            Store(p);
            return true;
        }
        if ((m_scan[0] == kTwoInterfaceManagementId) != (m_scan[1] == kTwoInterfaceManagementId)) {
            m_main.m_bRecognized = TRUE;
            m_id.model = target;
            m_main.m_nUsbStatus = target;
            m_outcome = RECOGNITION_MANAGEMENT_MODE;
            Store(target);
            return true;
        }
        m_outcome = RECOGNITION_OTHER_MODEL;
        return false;
    }

    // The store step: the identity, version and settings into the main
    // dialog's record, then the recognised flag, USB status and setting pages.
    void Store(int usbStatus) {
        if (m_main.m_nTargetModel == kTwoInterfaceModel && m_matches == 2 &&
            m_scan[0] == kTwoInterfaceManagementId)
            return;
        CDeviceRecord& r = m_main.m_deviceRecord;
        r.m_nManagerVersionMajor = 1;
        r.m_nManagerVersionMinor = 1;
        r.m_nModelId = m_id.model;
        r.m_strDeviceName = m_id.name;
        r.m_version.Set(m_id.major, m_id.minor, m_id.third, m_id.fourth, 0);
        r.m_versionChip1.Clear();
        r.m_versionChip2.Clear();
        r.m_strBdAddress = m_work.m_strBdAddress;
        r.m_strHardwareVersion.Empty();
        r.CopyClassicSettingsFrom(m_work);
        r.CopyFmFrom(m_work);
        for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) r.m_astrSpeedDial[i] = m_work.m_astrSpeedDial[i];
        m_main.m_bRecognized = TRUE;
        m_main.m_nUsbStatus = usbStatus;
        GetSettingPages(m_id.model, m_id.major, m_id.minor, &m_main.m_nSettingPageCount,
                        m_main.m_anSettingPageKind, &m_main.m_nSettingPageIndex);
    }

    void CheckConsistency() {
        int n = m_scanCount, limit = Limit();
        if (n < limit) {
            m_outcome = RECOGNITION_TOO_FEW_INTERFACES;
            return;
        }
        if (n > limit) {
            m_outcome = RECOGNITION_TOO_MANY_INTERFACES;
            return;
        }
        int normal = 0, management = 0;
        for (int i = 0; i < limit; ++i) {
            if (m_scan[i] >= 1 && m_scan[i] <= 0x7FFF) ++normal;
            else ++management;
        }
        if (n < m_matches) m_outcome = RECOGNITION_DFU_LISTED_MORE;
        else if (n > m_matches) m_outcome = RECOGNITION_DFU_LISTED_FEWER;
        else if (!m_mismatch && (normal != m_connected || management != m_failures))
            m_outcome = RECOGNITION_MODE_MISMATCH;
    }

private:
    CUpdaterDlg& m_main;
    CDueRestores* m_due;
    CString m_unitAddress;  // the address the run's first device gave (empty: unread)
    RecognitionOutcome m_outcome = RECOGNITION_NO_DEVICE;
    int m_scan[kScanCapacity] = {0, 0};
    int m_scanCount = 0;
    int m_matches = 0, m_connected = 0, m_failures = 0;
    bool m_mismatch = false;
    CDfuIdentity m_id;     // name, major and minor carry over to the next device
    CDeviceRecord m_work;  // settings, FM block, speed dials and address text
};

}  // namespace

RecognitionOutcome RunDfuRecognition(CUpdaterDlg& main, CDueRestores* due) { return DfuPath(main, due).Run(); }

void SetDfuAcceptedProductIds(const int* ids, int count) {
    if (!ids || count <= 0) g_accepted = GetDfuFamilyProductIds();
    else g_accepted.assign(ids, ids + count);
}

std::vector<int> DfuAcceptedProductIds() { return g_accepted; }

BOOL CameraMarkerDrivePresent() {
    const hw::HardwareApi& api = hw::Api();
    DWORD drives = api.GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i))) continue;
        wchar_t root[8];
        wsprintfW(root, L"%c:\\", L'A' + i);
        if (api.GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
        CString marker = CString(root) + L"kelto.bin";
        DWORD attributes = api.GetFileAttributesW(marker);
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return TRUE;
    }
    return FALSE;
}
