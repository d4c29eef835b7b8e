#include "recognition/DueRestores.h"

CString CDueRestores::HeadsetOf(const CString& addressText) {
    // A two-chip unit's text is its first chip's address, " _ ", the second's.
    int separator = addressText.Find(L" _ ");
    CString first = separator >= 0 ? addressText.Left(separator) : addressText;
    first.Trim();
    return first;
}

int CDueRestores::IndexOf(const CString& headset) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].headset == headset) return (int)i;
    return -1;
}

void CDueRestores::Keep(const CDeviceRecord& record) {
    CString headset = HeadsetOf(record.m_strBdAddress);
    int i = IndexOf(headset);
    if (i >= 0) {
        m_entries[i] = Entry{headset, record};
        return;
    }
    m_entries.push_back(Entry{headset, record});
}

void CDueRestores::DropStale(const CString& addressText) {
    EndAfterStep();
    CString headset = HeadsetOf(addressText);
    if (headset.IsEmpty()) {
        for (Entry& e : m_entries) e.staleWhenFound = true;
        return;
    }
    int i = IndexOf(headset);
    if (i >= 0) m_entries.erase(m_entries.begin() + i);
}

void CDueRestores::EndAfterStep() {
    int i = IndexOf(CString());
    if (i >= 0) m_entries.erase(m_entries.begin() + i);
    for (Entry& e : m_entries) e.staleWhenFound = false;
}

bool CDueRestores::WaitsForAHeadset() const {
    for (const Entry& e : m_entries)
        if (!e.headset.IsEmpty()) return true;
    return false;
}

void CDueRestores::BeginRun() {
    m_taken = -1;
    m_refused = false;
    m_anyInPlay = IndexOf(CString()) >= 0;
}

const CDeviceRecord* CDueRestores::Take(const CString& addressText) {
    if (m_taken < 0) {
        CString headset = HeadsetOf(addressText);
        int i = headset.IsEmpty() ? -1 : IndexOf(headset);
        // The step before this recognition has just written this headset.
        if (i >= 0 && m_entries[i].staleWhenFound) {
            m_entries.erase(m_entries.begin() + i);
            i = -1;
        }
        m_taken = i >= 0 ? i : IndexOf(CString());
    }
    return m_taken >= 0 ? &m_entries[m_taken].record : nullptr;
}

bool CDueRestores::EndRun(bool recognised, bool deviceAbsent, bool given) {
    const bool taken = m_taken >= 0;
    const bool missed = recognised && !taken && (given || m_anyInPlay);
    if (taken && !deviceAbsent && !m_refused) m_entries.erase(m_entries.begin() + m_taken);
    if (!deviceAbsent) EndAfterStep();
    const bool failed = (taken && m_refused) || missed;
    m_taken = -1;
    m_refused = false;
    m_anyInPlay = false;
    return failed;
}
