#include "update/VehicleModuleUpdate.h"
#include "core/HidProtocol.h"
#include "core/Md5.h"
#include "texts/MessageTexts.h"
#include "update/ConsoleProcess.h"
#include "update/FirmwareInfo.h"
#include "update/UpdateHidDevices.h"
#include <cstdio>
#include <cstring>

using namespace hidupdate;

int g_nModuleSelectedInterface = 0;
const wchar_t* const VEHICLE_BLUETOOTH_PART_FILE = L"__kiv_bluetooth_fw__.dfu";
const wchar_t* const VEHICLE_CAN_PART_FILE = L"__kiv_can_fw__.hex";

namespace {

enum FtdiOrdinal { kFtOpen = 1, kFtClose = 2, kFtComPort = 80 };
typedef ULONG(WINAPI* FtOpenFn)(int, void**);
typedef ULONG(WINAPI* FtCloseFn)(void*);
typedef ULONG(WINAPI* FtComPortFn)(void*, LONG*);

HidTextGetter Corrupted() { return static_cast<HidTextGetter>(&GetTextMsgFirmwareCorrupted); }
HidTextGetter NoStatus() { return static_cast<HidTextGetter>(&GetTextMsgCannotGetStatus); }

enum FtdiResult { FTDI_OK, FTDI_NOT_OPENED, FTDI_NO_PORT };

// The COM port of the first FTDI bridge, through the library's ordinals.
FtdiResult FtdiComPort(long* port) {
    HMODULE lib = ::LoadLibraryW(L"ftd2xx.dll");
    if (!lib) return FTDI_NOT_OPENED;
    auto open = (FtOpenFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtOpen));
    auto close = (FtCloseFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtClose));
    auto comPort = (FtComPortFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtComPort));
    FtdiResult result = FTDI_NOT_OPENED;
    void* h = nullptr;
    if (open && close && comPort && open(0, &h) == 0) {
        LONG p = -1;
        result = comPort(h, &p) == 0 ? FTDI_OK : FTDI_NO_PORT;
        close(h);
        *port = p;
    }
    ::FreeLibrary(lib);
    return result;
}

class VehicleModuleUpdate {
public:
    explicit VehicleModuleUpdate(HidUpdateJob& job) : m_job(job) {}

    void Run() {
        if (!CheckPackage()) return;
        if (!ArchiveStep(m_job, L"%s %s[9]")) return;
        ReportActivity(m_job);
        Store(m_job.info->m_nError, 0);
        Store(m_job.info->m_nWaitTicks, 0);
        Store(m_job.info->m_nTicks, 0);
        Store(m_job.info->m_nTicks2, 0);
        if (m_job.resetTransferState) m_job.resetTransferState();
        if (!WriteParts()) return;
        Store(m_job.info->m_nStep, 7);
        if (!FirstHidStage() || !FlashCan() || !SecondHidStage() || !SendBluetooth() || !Restart()) return;
        Store(m_job.info->m_nProgress, 88);
        if (m_job.startPostUpdateTimer) m_job.startPostUpdateTimer();
    }

private:
    bool Fail(int code, HidTextGetter reason, bool deleteBoth = false) {
        if (deleteBoth) DeletePartFiles();
        CString format;
        format.Format(L"%%s. %%s[%d]", code);
        ReportFailure(m_job, format, reason);
        Finish(m_job);
        return false;
    }

    bool CheckPackage() {
        static const int kCodes[] = {0, 2, 3, 4, 5, 6, 7, 8};  // by PackageRejection
        PackageRejection r = ReadPackage(m_job, &m_package, PACKAGE_PART_RECORDS, 2, true);
        if (r == PACKAGE_ACCEPTED) return true;
        return Fail(kCodes[r], Corrupted());
    }

    CString PartPath(int k) const { return m_job.programFolder + (k == 0 ? VEHICLE_BLUETOOTH_PART_FILE : VEHICLE_CAN_PART_FILE); }
    void DeletePartFiles() {
        ::DeleteFileW(PartPath(0));
        ::DeleteFileW(PartPath(1));
    }

    // Writes both part files and reads each back for its digest and size.
    bool WriteParts() {
        if (m_job.programFolder.IsEmpty()) return Fail(10, Corrupted());
        for (int k = 0; k < 2; ++k) {
            UpdatePackagePartRecord part;
            m_package.GetRecord((DWORD)k, &part);
            CString path = PartPath(k);
            FILE* f = _wfopen(path, L"wb");
            // A part file that cannot be created fails here, before anything
            // is sent or the loader is given a file that does not exist.
            if (!f) return Fail(11, Corrupted());
            size_t written = part.dataSize ? std::fwrite(m_package.PartData(part), 1, part.dataSize, f) : 0;
            bool closed = std::fclose(f) == 0;
            if (written != part.dataSize || !closed) {
                ::DeleteFileW(path);
                return Fail(11, Corrupted());
            }
            f = _wfopen(path, L"rb");
            if (!f) return Fail(12, Corrupted());
            MD5_CTX md5;
            MD5Init(&md5);
            BYTE block[1024];
            size_t n;
            while ((n = std::fread(block, 1, sizeof block, f)) > 0) MD5Update(&md5, block, (unsigned)n);
            std::fclose(f);
            BYTE digest[MD5_DIGEST_SIZE];
            if (!MD5Final(digest, &md5) || std::memcmp(digest, part.digest, MD5_DIGEST_SIZE) != 0) {
                ::DeleteFileW(path);
                return Fail(13, Corrupted());
            }
            WIN32_FILE_ATTRIBUTE_DATA data = {};
            if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &data) || data.nFileSizeHigh != 0 ||
                data.nFileSizeLow != part.dataSize) {
                ::DeleteFileW(path);
                return Fail(14, Corrupted());
            }
        }
        return true;
    }

    // Up to 20 tries, 1000 ms apart; false when one stays closed or on cancel.
    bool OpenModule() {
        for (int i = 0; i < VEHICLE_OPEN_TRIES; ++i) {
            OpenUpdateHidDevices(&m_device[0], &m_device[1], 2);
            if (m_device[0].IsValid() && m_device[1].IsValid()) return true;
            if (!Pause(m_job, 1000)) return false;
        }
        return false;
    }

    bool Module30BothIgnored() {
        Command(&m_device[0], HID_CMD_MODULE_30);
        if (!Pause(m_job, 1000)) return false;
        Command(&m_device[1], HID_CMD_MODULE_30);
        return Pause(m_job, 1000);
    }

    void SelectInterface() {
        for (int i = 0; i < 2; ++i) {
            BYTE reply[HID_IN_REPORT_SIZE];
            Command(&m_device[i], HID_CMD_MODULE_32, {}, reply);
            if (reply[HID_REPLY_DATA] != 0) g_nModuleSelectedInterface = i;
        }
    }
    const hw::CDeviceHandle* Selected() const { return &m_device[g_nModuleSelectedInterface ? 1 : 0]; }

    bool FirstHidStage() {
        if (!OpenModule()) return m_job.Cancelled() ? false : Fail(16, NoStatus(), true);
        if (!Module30BothIgnored()) return false;
        SelectInterface();
        if (!Command(Selected(), HID_CMD_MODULE_33)) return Fail(21, NoStatus(), true);
        return Pause(m_job, 2000);
    }

    bool FlashCan() {
        long port = -1;
        switch (FtdiComPort(&port)) {
        case FTDI_NOT_OPENED: return Fail(24, NoStatus(), true);
        case FTDI_NO_PORT: return Fail(23, NoStatus(), true);
        case FTDI_OK: break;
        }
        SetStatusReceived(0);
        ConsoleRun run;
        run.limitMs = VEHICLE_FLASH_LOADER_LIMIT_MS;
        run.cancel = &m_job.cancel;
        // The flag goes up as soon as the loader reports, not only when it ends.
        run.onOutput = [this](const CString& log) {
            if (log.Find(L"DOWNLOADING") >= 0) SetStatusReceived(1);
        };
        CString log = RunConsoleProcessCaptureOutput(FlashLoaderCommandLine(m_job.programFolder, port), &run);
        if (m_job.setProcessLog) m_job.setProcessLog(log);
        if (m_job.Cancelled()) {
            DeletePartFiles();
            return false;
        }
        Store(m_job.info->m_nProgress, 28);
        bool reported = log.Find(L"DOWNLOADING") >= 0;
        if (reported) SetStatusReceived(1);
        // A loader that had to be ended or that failed has not flashed the controller.
        if (!reported || !run.ended || run.exitCode != 0) return Fail(25, NoStatus(), true);
        return Pause(m_job, 2000);
    }

    void SetStatusReceived(int value) {
        Store(m_job.info->m_bStatusReceived, value);
        Store(m_job.PageInfo()->m_bStatusReceived, value);
        if (m_job.otherInfo) Store(m_job.otherInfo->m_bStatusReceived, value);
    }

    bool SecondHidStage() {
        m_device[0].Close();
        m_device[1].Close();
        if (!OpenModule() && m_job.Cancelled()) return false;
        if (!Command(&m_device[0], HID_CMD_MODULE_30)) return Fail(27, NoStatus(), true);
        if (!Pause(m_job, 1000)) return false;
        if (!Command(&m_device[1], HID_CMD_MODULE_30)) return Fail(28, NoStatus(), true);
        if (!Pause(m_job, 1000)) return false;
        SelectInterface();
        Command(Selected(), HID_CMD_MODULE_34);
        DeletePartFiles();
        return Pause(m_job, 2000);
    }

    bool SendBluetooth() {
        UpdatePackagePartRecord part;
        m_package.GetRecord(0, &part);
        for (int i = 0; i < 2; ++i) {
            switch (SendPart(&m_device[i], (BYTE)part.partType, m_package.PartData(part), part.dataSize)) {
            case PART_SENT: break;
            case PART_BEGIN_FAILED: return Fail(29, NoStatus());
            case PART_WRITE_FAILED: return Fail(30, NoStatus());
            case PART_STATUS_FAILED: return Fail(31, NoStatus());
            case PART_END_FAILED: return Fail(32, NoStatus());
            }
            // The progress is the active record's, on the restore page too.
            if (Load(m_job.info->m_nProgress) >= 75) Store(m_job.info->m_nProgress, 75);
        }
        return true;
    }

    bool Restart() {
        if (!Command(&m_device[0], HID_CMD_RESTART, {0})) return Fail(33, NoStatus());
        if (!Command(&m_device[1], HID_CMD_RESTART, {0})) return Fail(34, NoStatus());
        if (!Pause(m_job, 10000)) return false;
        m_device[0].Close();
        m_device[1].Close();
        if (!OpenModule()) return m_job.Cancelled() ? false : Fail(35, NoStatus(), true);
        return Module30BothIgnored();
    }

    HidUpdateJob& m_job;
    CUpdatePackage m_package;
    hw::CDeviceHandle m_device[2];  // the module's interfaces, closed when the worker ends
};

}  // namespace

CString FlashLoaderCommandLine(const CString& programFolder, long comPort) {
    CString line;
    line.Format(L"\"%sSTMFlashLoader.exe\" -c --pn %ld --br 115200 -i STM32F1_Med-density_128K -e --all -d --a 8000000 "
                L"--fn \"%s\\%s\"",
                (const wchar_t*)programFolder, comPort, (const wchar_t*)programFolder, VEHICLE_CAN_PART_FILE);
    return line;
}

UINT BluetoothCanModuleUpdateThread(HidUpdateJob& job) {
    VehicleModuleUpdate(job).Run();
    return 0;
}

void ReportCannotGetStatus(HidUpdateJob& job) {
    ReportFailure(job, L"%s. %s[26]", NoStatus());
    Finish(job);
    ::InterlockedExchange(&job.cancel, 1);
}

bool ShouldReportCannotGetStatus(int model, int progress, int statusReceived) {
    return model == 0x5345 && progress >= 50 && progress <= 55 && statusReceived == 0;
}
