// One update through the chip vendor's DFU engine: the engines on the
// accepted devices, reconfigure, download and manifest, and the engine's
// notifications turned into the record's step, progress, boxes and result.
// The engine reports on its own thread; the notifications wait in a queue
// that the UI thread works off, one per posted message.
#pragma once
#include "framework/String.h"
#include "standins/dfuengine/include/DFUEngine.h"
#include "update/BatchIdentityDue.h"
#include "update/DfuEventQueue.h"

class CFirmwareInfo;

// What the flow needs of the page that runs it (UI thread unless noted).
class IDfuFlowHost {
public:
    virtual ~IDfuFlowHost() {}
    virtual CFirmwareInfo* ActiveRecord() = 0;
    virtual int TargetModel() = 0;
    virtual int UsbStatus() = 0;
    virtual int CurrentPage() = 0;
    // Any thread: one queued notification waits for HandleOneEvent.
    virtual void PostDfuEvent() = 0;
    // The modeless press-and-hold box, kept in the record's wait box.
    virtual void ShowPressAndHoldBox(BOOL twoKeys) = 0;
    virtual void CloseWaitBox() = 0;
    // The post-update step (timer 205), unless it runs already.
    virtual void StartPostUpdateCheck() = 0;
    virtual BOOL PostUpdateCheckRunning() = 0;
    // The transfer is complete: the restart phase starts counting anew.
    virtual void OnTransferComplete() = 0;
    // Calls the flow's ContinueReconfigure on the UI thread after ms of the
    // program's clock (a timer: the UI thread never sleeps meanwhile).
    virtual void ArmDeviceWait(DWORD ms) = 0;
};

class CDfuUpdateFlow : public DFUEngine::Callback {
public:
    explicit CDfuUpdateFlow(IDfuFlowHost* host);
    ~CDfuUpdateFlow() override;
    CDfuUpdateFlow(const CDfuUpdateFlow&) = delete;
    CDfuUpdateFlow& operator=(const CDfuUpdateFlow&) = delete;

    // The next update gives a 0x5060 headset of the batch the identity of
    // 0x5011 just before the switch (refusalCode: the step code of the
    // "Firmware not for" text when that fails).
    void SetBatchIdentityRewrite(bool rewrite, const CString& refusalCode);
    // Starts the update: after the headset's settle time (and, for a headset
    // that switches into update mode, once it shows up, polled once a second)
    // ContinueReconfigure looks for the devices.
    void StartReconfigure();
    // Finds the accepted DFU devices, creates an engine on each and starts
    // the reconfigure of the first; failures end the update in the record.
    void ContinueReconfigure();
    // Starts the transfer anew on the second engine (the second chip of a
    // two-device headset); FALSE when the engine refuses.
    BOOL StartSecondReconfigure();
    // UI thread: handles the oldest queued notification, if any.
    void HandleOneEvent();
    // Stops and forgets both engines (the end of an update); an identity
    // given before a transfer that never began goes back to the headset.
    void DestroyEngines();
    // The update has ended: the engines go, and every identity still due
    // goes back to its headset if it is there (DestroyEngines).
    void EndUpdate();
    // UI thread, no engine running: an identity given to a batch headset
    // that has not taken the image whole, or one a failed write left
    // half-changed, goes back over USB once that headset is in its normal
    // mode on its old firmware again (it may have left the bus meanwhile:
    // then it stays due until it is back). Each headset's is kept by its
    // address; one that runs other firmware by then keeps what it holds.
    void WriteGivenIdentityBackToHeadset();
    // A transfer phase starts: no waiting notifications counted yet.
    void BeginTransferPhase();
    // The engine has moved the update on (or the time till now was spent
    // waiting for the user, not for the engine).
    void NoteProgress();
    // Once a progress tick: whether a wait box is up. The time it is up is
    // the user's, not the engine's: neither the time without progress nor
    // the time of the transfer counts it.
    void NoteWaitBox(bool open);
    // Clock time since the engine last moved the update on or sent any
    // notification at all, while one of its operations runs up to the
    // complete transfer; 0 otherwise (waiting for the device to show up, or
    // restarting on the new firmware).
    DWORD MsWithoutProgress() const;
    // Clock time since the transfer's first notification, less the time a
    // wait box was up, while one of the engine's operations runs up to the
    // complete transfer; 0 otherwise, and before the first notification.
    // Whatever the engine says meanwhile, it only grows. A transfer is the
    // run of one engine from its reconfigure: the first, the retry, or the
    // second chip's.
    DWORD MsOfTransfer() const;

    DFUEngine& ActiveEngine() { return m_nActiveEngine == 2 ? m_dfuEngineB : m_dfuEngineA; }

    int m_nActiveEngine = 0;
    int m_bEngineACreated = 0;
    int m_bEngineBCreated = 0;
    int m_nWaitEventCount = 0;
    int m_bDownloadStarted = 0;
    int m_bTransferComplete = 0;
    int m_nDevicePolls = 0;
    bool m_bWaitingForDevice = false;  // a device wait is armed and not yet over
    bool m_bEngineWorking = false;     // an engine operation before the complete transfer runs
    DWORD m_dwProgressAt = 0;          // clock time the engine last moved the update on
    mutable volatile LONG m_lLastNotification = 0;  // clock time of the engine's last notification (any thread)
    mutable volatile LONG m_lTransferFrom = 0;      // ... of the transfer's first one, once m_lTransferNotified
    mutable volatile LONG m_lTransferNotified = 0;  // 1 once the running transfer has sent a notification
    DFUEngine m_dfuEngineA;
    DFUEngine m_dfuEngineB;
    CDfuEventQueue m_events;

    // DFUEngine::Callback, on the engine's thread.
    void OnDfuNotify(int arg, const DFUEngine::Status& status) override;
    void OnDfuStatus(int arg, const DFUEngine::Status& status) override;
    void OnDfuComplete(int arg, const DFUEngine::Status& status) override;

private:
    void Queue(int kind, int arg, const DFUEngine::Status& status);
    // Engine thread: notes the notification's time, and the first one's of
    // the transfer.
    void NoteNotification();
    // Clock time since the later of the two times.
    static DWORD MsSinceLater(DWORD now, DWORD a, DWORD b);
    void HandleState(int arg, const DFUEngine::Status& status);
    // An engine operation has started: the time without progress counts anew.
    void OperationStarted();
    // An engine's reconfigure has started: a transfer begins, its time
    // counts from its first notification.
    void TransferStarted();
    void HandleResult(const DFUEngine::Status& status);
    void RunDfuStep(const DFUEngine::Status& status);
    // The batch identity before the switch; FALSE when the update has ended.
    BOOL GiveBatchIdentity(CFirmwareInfo* info, int page, int model);

    IDfuFlowHost* m_pHost;
    CString m_strFirstDevice;  // the first accepted device, also given to the retry engine
    bool m_bBatchRewrite = false;      // give the batch identity before the switch
    CString m_strBatchRefusalCode;
    CBatchIdentities m_identities;     // the batch headsets' own identities still due
    // The time wait boxes were up during the transfer (UI thread).
    DWORD m_dwUserMs = 0;
    bool m_bWaitBoxSeen = false;       // the last progress tick found a wait box up
    DWORD m_dwWaitBoxSeenAt = 0;
};
