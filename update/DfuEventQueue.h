// The DFU engine's notifications, copied on the engine's thread and handed
// to the UI thread one at a time. A notification is never dropped; only a
// repeat of the state notification that is already waiting last in the
// queue is folded into it (a burst of "still waiting" or progress reports).
#pragma once
#include "framework/Thread.h"
#include "standins/dfuengine/include/DFUEngine.h"
#include <list>
#include <memory>

// One engine notification copied for the UI thread.
struct CCallbackData {
    enum Kind { kNotify = 0, kStatus = 1, kComplete = 2 };
    int m_nKind = kNotify;
    int m_nArg = 0;
    DFUEngine::Status m_status{};
};

class CDfuEventQueue {
public:
    // Appends a copy; TRUE when a new entry was added (post one message
    // for it), FALSE when it was folded into the waiting repeat.
    BOOL Push(int kind, int arg, const DFUEngine::Status& status);
    // The oldest entry, or null when the queue is empty.
    std::shared_ptr<CCallbackData> Pop();
    int Count() const;
    void Clear();

private:
    mutable CCriticalSection m_cs;
    std::list<std::shared_ptr<CCallbackData>> m_list;
};
