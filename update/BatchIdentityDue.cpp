#include "update/BatchIdentityDue.h"
#include <cstring>

CBatchIdentities::Address CBatchIdentities::AddressOf(const HeadsetIdentity& identity) {
    Address a;
    std::memcpy(a.data(), identity.address, a.size());
    return a;
}

void CBatchIdentities::KeepDue(const HeadsetIdentity& identity) {
    auto it = m_due.find(AddressOf(identity));
    if (it == m_due.end()) {
        m_due.insert(std::make_pair(AddressOf(identity), identity));
        return;
    }
    // A headset still due was read half-changed this time.
    AddKeysToGoBack(&it->second, identity);
}

void CBatchIdentities::UpdateStarts() {
    UpdateEnded();
    m_bImageTakenUnseen = false;
}

void CBatchIdentities::UpdateEnded() {
    m_bGivenNow = false;
    m_bTransferBegan = false;
}

BOOL CBatchIdentities::Give() {
    HeadsetIdentity before;
    switch (WriteBatchIdentityToHeadset(&before)) {
    case BATCH_REWRITE_DONE:
        KeepDue(before);
        m_given = AddressOf(before);
        m_bGivenNow = true;
        m_bTransferBegan = false;
        return TRUE;
    case BATCH_REWRITE_HALF:
        KeepDue(before);
        return FALSE;
    default:
        return FALSE;
    }
}

void CBatchIdentities::TransferBegan() {
    if (m_bGivenNow) m_bTransferBegan = true;
}

void CBatchIdentities::TransferCompleted(bool identityImage) {
    if (m_bGivenNow) m_due.erase(m_given);
    else if (identityImage && !m_due.empty()) m_bImageTakenUnseen = true;
}

void CBatchIdentities::PutBackDue() {
    // Each due headset is tried; only the first one on the bus can take it.
    bool seen = false;
    for (auto it = m_due.begin(); it != m_due.end(); ++it) {
        const BatchPutBack done = WriteIdentityBackToHeadset(it->second, m_bImageTakenUnseen);
        if (done != PUT_BACK_NO_HEADSET) seen = true;
        if (done == PUT_BACK_NO_HEADSET || done == PUT_BACK_NOT_NOW) continue;
        if (m_bGivenNow && it->first == m_given) UpdateEnded();
        m_due.erase(it);
        break;
    }
    // The headset that took the image is the one the bus showed.
    if (seen) m_bImageTakenUnseen = false;
}
