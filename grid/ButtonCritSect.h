// The lock of the cell code: a critical section that guards one DWORD. The
// drop-down cells keep their shared button-pressed flag in the drop-down
// code's instance; the UI thread and the press-check thread both take it for
// every single read or write of the value, and for nothing else.
#pragma once
#include "framework/Thread.h"

class CButtonCritSect : public CCriticalSection {
public:
    CButtonCritSect() = default;

    DWORD GetValue() {
        CSingleLock lock(this, TRUE);
        return m_dwValue;
    }
    void SetValue(DWORD value) {
        CSingleLock lock(this, TRUE);
        m_dwValue = value;
    }

private:
    DWORD m_dwValue = 0;  // read and written only under the lock
};
