// Saved records (a restore's archived settings) that recognition still has
// to write back, each due for the headset it was taken from. A headset is
// known by its Bluetooth address, a two-chip unit by its first chip's: the
// part of the record's address text before " _ ". A record that holds no
// address goes only to the recognition right after its own restore: the
// first run that finds a device writes it or not, and it ends there.
//
// One run of the recognition routine takes at most one of them: the one due
// for the headset it finds, once it has read that headset's address.
#pragma once
#include "core/DeviceRecord.h"
#include <vector>

class CDueRestores {
public:
    // The headset an address text names (its first chip's address); empty
    // when the text holds none.
    static CString HeadsetOf(const CString& addressText);

    // Makes record due for its headset, in place of one due for the same
    // headset (or, without an address, of the other record without one).
    void Keep(const CDeviceRecord& record);
    // A SAVE, an update or a restore wrote the headset with this address
    // text itself: what was due for it is stale, and so is a record due for
    // any headset. When the text holds no address, the recognition after the
    // step tells the headset by the address it reads: what was due for that
    // one before the step is stale then.
    void DropStale(const CString& addressText);
    // Ends what a step left to the recognition right after it: the record
    // due for any headset is forgotten (another headset may be connected from
    // here), and what was due before the step is no longer stale for the
    // headset found. Those due for a particular headset stay.
    void EndAfterStep();
    // Whether a record waits for a particular headset: a run must then know
    // the headset's address before it writes.
    bool WaitsForAHeadset() const;

    // --- One run of the routine --------------------------------------------
    void BeginRun();
    // The record due for the headset whose address text the run has read
    // (empty when unread), or null; the caller writes it. Asked again in the
    // same run (the second interface of a unit), it gives the same record.
    const CDeviceRecord* Take(const CString& addressText);
    // The headset did not take all of the record taken.
    void Refused() { m_refused = true; }
    // Ends the run. A record taken ends when the run found the device and
    // the device took it all. A run that found a device ends what a step left
    // to it (EndAfterStep), the record due for any headset with it, written
    // or not. Returns whether the run's report is to say that the write-back
    // failed: a record refused, or a device recognised without the record
    // the run was given or one due for any headset.
    bool EndRun(bool recognised, bool deviceAbsent, bool given);

private:
    struct Entry {
        CString headset;  // empty: due for any headset
        CDeviceRecord record;
        // Due before a step that wrote a headset whose address was unread:
        // stale when the recognition after the step finds its headset.
        bool staleWhenFound = false;
    };
    int IndexOf(const CString& headset) const;

    std::vector<Entry> m_entries;
    int m_taken = -1;  // index of the entry the run took
    bool m_refused = false;
    bool m_anyInPlay = false;  // a record due for any headset was there when the run began
};
