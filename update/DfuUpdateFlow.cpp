#include "update/DfuUpdateFlow.h"
#include "framework/Clock.h"
#include "texts/MessageTexts.h"
#include "update/BatchHeadset.h"
#include "update/DfuDevices.h"
#include "update/FirmwareInfo.h"
#include "update/UpdateModels.h"
#include "update/UpdateStatusTexts.h"
#include "standins/dfuengine/include/DFUResultCodes.h"

namespace {

const int kStateWaiting = 16;
const int kStateDeviceReady = 17;
const int kStateTransferComplete = 18;
const int kStateRestarted = 19;

const int kOpReconfigured = 2;
const int kOpReady = 3;
const int kOpDownloaded = 4;

// Notifications in a row that a device in firmware-management mode may
// send before the user is asked to hold the key.
const int kWaitEventsBeforeBox = 20;
// Polls (one a second) for a headset switched into update mode in line.
const int kSwitchedDevicePolls = 600;
// The headset's settle time before it is looked for.
const DWORD kSettleMs = 3000;
const DWORD kPollMs = 1000;

bool IsSwitchedInLine(int model) { return GetUpdateProfile(model).path == UPDATE_PATH_INLINE_SWITCH; }

}  // namespace

CDfuUpdateFlow::CDfuUpdateFlow(IDfuFlowHost* host) : m_pHost(host) {}

CDfuUpdateFlow::~CDfuUpdateFlow() {
    // The engines' threads call back into this object: stop them first.
    m_dfuEngineA.Destroy();
    m_dfuEngineB.Destroy();
}

void CDfuUpdateFlow::BeginTransferPhase() {
    m_nWaitEventCount = 0;
    m_bDownloadStarted = 1;
}

void CDfuUpdateFlow::NoteProgress() { m_dwProgressAt = fw::Clock::GetTickCount(); }

void CDfuUpdateFlow::OperationStarted() {
    m_bEngineWorking = true;
    NoteProgress();
}

void CDfuUpdateFlow::TransferStarted() {
    ::InterlockedExchange(&m_lTransferNotified, 0);
    m_dwUserMs = 0;
    m_bWaitBoxSeen = false;
    OperationStarted();
}

void CDfuUpdateFlow::NoteWaitBox(bool open) {
    if (!open) {
        m_bWaitBoxSeen = false;
        return;
    }
    NoteProgress();
    // From the tick that found it up to this one, the time was the user's.
    const DWORD now = fw::Clock::GetTickCount();
    if (m_bWaitBoxSeen) m_dwUserMs += now - m_dwWaitBoxSeenAt;
    m_bWaitBoxSeen = true;
    m_dwWaitBoxSeenAt = now;
}

DWORD CDfuUpdateFlow::MsSinceLater(DWORD now, DWORD a, DWORD b) {
    const DWORD sinceA = now - a, sinceB = now - b;
    return sinceA < sinceB ? sinceA : sinceB;
}

DWORD CDfuUpdateFlow::MsWithoutProgress() const {
    if (!m_bEngineWorking || m_bWaitingForDevice || m_bTransferComplete) return 0;
    // Any notification of the library, whether or not the flow acts on it,
    // tells that the engine is still at work.
    return MsSinceLater(fw::Clock::GetTickCount(), m_dwProgressAt,
                        (DWORD)::InterlockedCompareExchange(&m_lLastNotification, 0, 0));
}

DWORD CDfuUpdateFlow::MsOfTransfer() const {
    if (!m_bEngineWorking || m_bWaitingForDevice || m_bTransferComplete) return 0;
    if (!::InterlockedCompareExchange(&m_lTransferNotified, 0, 0)) return 0;
    // Counted from the start, not from the last change: a library that
    // repeats, alternates or cycles its reports while nothing moves cannot
    // tell itself from one that writes, and none of them keeps it going.
    const DWORD since = fw::Clock::GetTickCount() - (DWORD)::InterlockedCompareExchange(&m_lTransferFrom, 0, 0);
    return since > m_dwUserMs ? since - m_dwUserMs : 0;
}

void CDfuUpdateFlow::SetBatchIdentityRewrite(bool rewrite, const CString& refusalCode) {
    m_identities.UpdateStarts();
    m_bBatchRewrite = rewrite;
    m_strBatchRefusalCode = refusalCode;
}

BOOL CDfuUpdateFlow::GiveBatchIdentity(CFirmwareInfo* info, int page, int model) {
    if (!m_bBatchRewrite) return TRUE;
    m_bBatchRewrite = false;
    if (m_identities.Give()) return TRUE;
    // Not written, or written back (or due to go back): the image is not for this headset.
    FailUpdate(info, page, [model](int language) {
        CString s;
        GetTextMsgFirmwareNotFor(s, model, language);
        return s;
    }, m_strBatchRefusalCode);
    return FALSE;
}

void CDfuUpdateFlow::WriteGivenIdentityBackToHeadset() {
    m_identities.PutBackDue();
}

void CDfuUpdateFlow::StartReconfigure() {
    m_nDevicePolls = 0;
    m_bWaitingForDevice = true;
    m_pHost->ArmDeviceWait(kSettleMs);
}

void CDfuUpdateFlow::ContinueReconfigure() {
    if (!m_bWaitingForDevice) return;  // the update has ended meanwhile
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    if (!info || info->m_bFinished) {
        m_bWaitingForDevice = false;
        return;
    }
    const int page = m_pHost->CurrentPage();
    const int model = m_pHost->TargetModel();
    const bool switched = IsSwitchedInLine(model);

    CStringListX names;
    const int count = DFUEngine::GetUSBDeviceNames(names);
    if (switched && count != 1 && ++m_nDevicePolls < kSwitchedDevicePolls) {
        m_pHost->ArmDeviceWait(kPollMs);
        return;
    }
    m_bWaitingForDevice = false;
    if (count == 0)
        return FailUpdate(info, page, TextOf(GetTextMsgCannotGetDevice), switched ? L"[8][0]" : L"[8][2]");

    DestroyEngines();
    m_strFirstDevice.Empty();
    int accepted = 0;
    for (POSITION pos = names.GetHeadPosition(); pos;)
        if (IsAcceptedDfuDevice(names.GetNext(pos))) ++accepted;
    if (accepted != GetUpdateProfile(model).dfuDevices) {
        CString number;
        number.Format(L"(%d)", accepted);
        return FailUpdate(info, page, TextOf(GetTextMsgUsbNotMatch), number);
    }
    // The identity goes to the headset's store before any engine holds the
    // device: one user of the headset at a time.
    if (!GiveBatchIdentity(info, page, model)) return;
    accepted = 0;
    POSITION pos = names.GetHeadPosition();
    while (pos) {
        const CStringX& name = names.GetNext(pos);
        if (!IsAcceptedDfuDevice(name)) continue;
        ++accepted;
        DFUEngine& engine = accepted == 1 ? m_dfuEngineA : m_dfuEngineB;
        engine.CreateUSB(name);
        engine.SetCallback(this);
        if (accepted == 1) {
            m_bEngineACreated = 1;
            m_strFirstDevice = (const wchar_t*)name;
        } else {
            m_bEngineBCreated = 1;
        }
    }
    if (!m_dfuEngineA.StartReconfigure(false, true, info->m_strFirmwarePath)) {
        // The headset still runs its normal firmware: once the engines have
        // let go of it, its identity goes back.
        DestroyEngines();
        return FailUpdate(info, page, TextOf(GetTextMsgCannotGetDevice), switched ? L"[8][1]" : L"[8][3]");
    }
    m_nActiveEngine = 1;
    TransferStarted();
}

BOOL CDfuUpdateFlow::StartSecondReconfigure() {
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    if (!m_bEngineBCreated || !m_dfuEngineB.StartReconfigure(false, true, info->m_strFirmwarePath)) return FALSE;
    m_nActiveEngine = 2;
    TransferStarted();
    return TRUE;
}

void CDfuUpdateFlow::DestroyEngines() {
    if (m_bEngineACreated) m_dfuEngineA.Destroy();
    if (m_bEngineBCreated) m_dfuEngineB.Destroy();
    // Whatever ended the update, the engines are gone: the store is free.
    WriteGivenIdentityBackToHeadset();
    m_bEngineACreated = 0;
    m_bEngineBCreated = 0;
    m_bWaitingForDevice = false;
    m_bEngineWorking = false;
    m_events.Clear();
}

void CDfuUpdateFlow::EndUpdate() {
    // Before the engines go: their end puts back whatever is still due.
    m_identities.UpdateEnded();
    DestroyEngines();
}

// ----------------------------------------------------------- engine thread

void CDfuUpdateFlow::NoteNotification() {
    const LONG now = (LONG)fw::Clock::GetTickCount();
    // One engine runs at a time, and its notifications come one after the
    // other: the time is in place before the mark says so.
    if (!::InterlockedCompareExchange(&m_lTransferNotified, 0, 0)) {
        ::InterlockedExchange(&m_lTransferFrom, now);
        ::InterlockedExchange(&m_lTransferNotified, 1);
    }
    ::InterlockedExchange(&m_lLastNotification, now);
}

void CDfuUpdateFlow::Queue(int kind, int arg, const DFUEngine::Status& status) {
    // A sign of life even when the queue folds the notification away.
    NoteNotification();
    if (m_events.Push(kind, arg, status)) m_pHost->PostDfuEvent();
}

void CDfuUpdateFlow::OnDfuNotify(int arg, const DFUEngine::Status& status) { Queue(CCallbackData::kNotify, arg, status); }
void CDfuUpdateFlow::OnDfuStatus(int arg, const DFUEngine::Status& status) { Queue(CCallbackData::kStatus, arg, status); }
void CDfuUpdateFlow::OnDfuComplete(int arg, const DFUEngine::Status& status) {
    Queue(CCallbackData::kComplete, arg, status);
}

// ----------------------------------------------------------------- UI thread

void CDfuUpdateFlow::HandleOneEvent() {
    std::shared_ptr<CCallbackData> event = m_events.Pop();
    if (!event) return;
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    if (!info || info->m_bFinished) return;  // the update has ended; late notifications change nothing
    if (event->m_nKind == CCallbackData::kComplete) HandleResult(event->m_status);
    else HandleState(event->m_nArg, event->m_status);
}

void CDfuUpdateFlow::HandleState(int arg, const DFUEngine::Status& status) {
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    const int model = m_pHost->TargetModel();
    const UpdateModelProfile& profile = GetUpdateProfile(model);
    switch (status.state) {
    case kStateWaiting: {
        info->m_nStep = FW_STEP_TRANSFER;
        const int usb = m_pHost->UsbStatus();
        if (usb > 0 && usb < 0x8000 && !info->m_pWaitBox) {
            if (profile.pressAndHoldBox) m_pHost->ShowPressAndHoldBox(FALSE);
            info->m_nTicks = 0;
            info->m_nWaitTicks = 0;
        } else {
            m_bDownloadStarted = 0;
            ++m_nWaitEventCount;
            if (profile.pressAndHoldBox && m_nWaitEventCount > kWaitEventsBeforeBox) {
                m_nWaitEventCount = 0;
                // A box already up keeps counting toward its own bound from
                // when it opened: a library that goes on waiting for the
                // user does not keep it up for ever.
                if (!info->m_pWaitBox) {
                    m_pHost->ShowPressAndHoldBox(FALSE);
                    info->m_nWaitTicks = 0;
                }
                info->m_nTicks = 0;
            }
        }
        break;
    }
    case kStateDeviceReady:
        NoteProgress();
        if (model != 0x5310 && info->m_pWaitBox) m_pHost->CloseWaitBox();
        break;
    case kStateTransferComplete:
        NoteProgress();
        m_bTransferComplete = 1;
        // The image is the headset's whole: a batch headset given the
        // identity for it keeps that identity, whatever follows.
        m_identities.TransferCompleted(model == BATCH_IDENTITY_MODEL);
        info->m_nStep = FW_STEP_RESTARTING;
        m_pHost->OnTransferComplete();
        if (profile.pressAndHoldBox && !info->m_pWaitBox) m_pHost->ShowPressAndHoldBox(TRUE);
        info->m_nTicks = 0;
        info->m_nTicks2 = 0;
        info->m_nWaitTicks = 0;
        break;
    case kStateRestarted:
        if (!m_pHost->PostUpdateCheckRunning()) m_pHost->StartPostUpdateCheck();
        break;
    default:
        break;
    }
}

void CDfuUpdateFlow::HandleResult(const DFUEngine::Status& status) {
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    const int page = m_pHost->CurrentPage();
    const int model = m_pHost->TargetModel();
    const int code = status.result.GetCode();
    if (status.operation == kOpReady && (code == dfu_result::kDeviceLost || code == dfu_result::kTransferFailed)) {
        // The failure shows only once the flow gives up; a retry is the
        // update going on.
        if (GetUpdateProfile(model).dfuDevices > 1 || m_nActiveEngine == 2)
            return FailUpdate(info, page, TextOf(GetTextMsgCannotUpdateFirmware));
        // Once more from the reconfigure, on the second engine, with the
        // same device as the first.
        if (!m_bEngineBCreated) {
            m_dfuEngineB.CreateUSB(m_strFirstDevice);
            m_dfuEngineB.SetCallback(this);
            m_bEngineBCreated = 1;
        }
        if (!m_dfuEngineB.StartReconfigure(false, true, info->m_strFirmwarePath))
            return FailUpdate(info, page, TextOf(GetTextMsgCannotGetDevice));
        m_nActiveEngine = 2;
        TransferStarted();
        SetActivityTexts(info, page);
        info->m_nError = 0;
        BeginTransferPhase();
        info->m_nWaitTicks = 0;
        info->m_nTicks2 = 0;
        info->m_nTicks = 0;
        info->m_nProgress = 50;
        info->m_nStep = FW_STEP_RECONFIGURE;
        return;
    }
    if (status.result) return RunDfuStep(status);
    // Failed before the transfer began (the switch): the headset, if it is
    // still there on its normal firmware, gets its identity back.
    if (m_identities.GivenBeforeTransfer()) DestroyEngines();
    FailUpdate(info, page, TextOf(GetTextMsgCannotUpdateFirmware));
}

void CDfuUpdateFlow::RunDfuStep(const DFUEngine::Status& status) {
    CFirmwareInfo* info = m_pHost->ActiveRecord();
    BeginTransferPhase();
    bool started = true;
    switch (status.operation) {
    case kOpReconfigured:
        m_pHost->CloseWaitBox();
        started = ActiveEngine().StartDownload(info->m_strFirmwarePath);
        break;
    case kOpReady:
        started = ActiveEngine().StartDownload(info->m_strFirmwarePath);
        break;
    case kOpDownloaded:
        started = ActiveEngine().StartManifest();
        break;
    default:
        if (!m_pHost->PostUpdateCheckRunning() && m_bTransferComplete) m_pHost->StartPostUpdateCheck();
        break;
    }
    if (!started) return FailUpdate(info, m_pHost->CurrentPage(), TextOf(GetTextMsgCannotUpdateFirmware));
    // The transfer has begun: a failure from here on leaves the headset in
    // firmware-management mode, and its identity waits for its return.
    if (status.operation == kOpReconfigured || status.operation == kOpReady) m_identities.TransferBegan();
    if (status.operation == kOpReconfigured || status.operation == kOpReady || status.operation == kOpDownloaded)
        OperationStarted();
}
