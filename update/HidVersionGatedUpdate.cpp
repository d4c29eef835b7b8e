#include "update/HidVersionGatedUpdate.h"
#include "core/HidChannel.h"
#include "texts/MessageTexts.h"
#include "update/FirmwareInfo.h"
#include "update/HidPackageTransfer.h"
#include "update/PackageFileName.h"

using namespace hidupdate;

namespace {
const DWORD kHeaderTextBytes = 24;
}

bool GatedPackageHeaderAllowed(const CUpdatePackage& package) {
    if (package.Size() < UPDATE_PACKAGE_HEADER_SIZE) return false;
    const BYTE* text = package.Bytes();
    DWORD n = 0;
    while (n < kHeaderTextBytes && text[n] != 0) ++n;
    for (DWORD i = n + 1; i < kHeaderTextBytes; ++i)
        if (text[i] != 0) return true;  // something follows the text: the model is not checked
    DWORD model = package.ModelId();
    return model == 0 || model == 0x4210 || model == 0x4220;
}

UINT HidVersionGatedUpdateThread(HidUpdateJob& job) {
    int type = ReadHidDeviceType(job.device1);
    if (IsVersionGatedDeviceType(type) && !PackageNameVersionAllowed(job.packagePath)) {
        job.info->SetStatusTexts([](int language) {
            CString notSupported, text;
            GetTextMsgFirmwareNotSupported(notSupported, language);
            text.Format(L"%s.[0]", (const wchar_t*)notSupported);
            return text;
        });
        Store(job.info->m_nError, 1);
        Finish(job);
        return 0;
    }
    CUpdatePackage package;
    PackageRejection r = ReadPackage(job, &package, PACKAGE_PART_ENTRIES, 0, false);
    if (r != PACKAGE_ACCEPTED || !GatedPackageHeaderAllowed(package)) {
        ReportCorrupted(job);
        return 0;
    }
    if (!ArchiveStep(job, L"%s %s", true)) return 0;
    BeginTransfer(job);
    TransferStyle style;
    style.table = PACKAGE_PART_ENTRIES;
    style.end = END_RESTART_BOTH;
    TransferParts(job, package, style);
    return 0;
}
